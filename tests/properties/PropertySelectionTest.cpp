#include <QSet>

#include "PropertiesFixture.h"
#include "codegen/properties/BuiltInPropertyNames.h"
#include "shell/AppError.h"

namespace sentrel::codegen::test {
namespace {

const MessageRequest kRecommendation{
    "Property recommendation",
    "To minimize storage requirements for the statistics, and to minimize the time it takes to "
    "execute the detection on the browser, it is important to select only the properties you "
    "are interested in running reports on.  Should you decide later, you can always change "
    "these settings.\r\rTo help you with this selection, Sentrel will now recommend a "
    "pre-defined set of popular properties generally required for most reporting needs - "
    "depending on your answer to the question below.\r\rAre you interested in as much detail "
    "in your reports as possible?  Answer 'Yes' to have Sentrel choose the most comprehensive "
    "list of properties (note that this may cause a noticeable delay in the browser while all "
    "settings are detected), or 'No' to have Sentrel choose just the most popular ones.  After "
    "you make your selection you will have the option to change the properties that are "
    "selected for you.",
    MsgIcon::Question, MsgButtons::YesNoCancel, 1};

const MessageRequest kStorageIntensive{
    "Storage intensive",
    "Selecting all properties can consume very large amounts of storage and generally not "
    "recommended unless you expect volume to be light.  Instead, you may wish to consider using "
    "the 'Recommend' option on this screen.\r\rDo you wish to continue?",
    MsgIcon::Question, MsgButtons::YesNo, 2};

const QStringList kJavaBased = {"JavaVersion", "JavaVendor", "MSJVMBuild", "Plugin_JavaVer",
                                "OSArch"};

QSet<QString> lowerSet(const QStringList& names) {
    QSet<QString> set;
    for (const QString& name : names) set.insert(name.toLower());
    return set;
}

using PropertySelectionTest = PropertiesFixture;

TEST_F(PropertySelectionTest, AnEmptyStoredSelectionAsksForARecommendationAtOnce) {
    ui.answerMessage(MsgAnswer::Cancel);
    ASSERT_TRUE(open(""));
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{kRecommendation});
    EXPECT_EQ(selection.items().size(), 149);
    EXPECT_TRUE(checked().isEmpty());
    EXPECT_EQ(selection.currentRow(), 0);
    EXPECT_EQ(selection.selectionString(), "") << "OK with nothing checked stores nothing";
}

TEST_F(PropertySelectionTest, TheStoredSelectionIsCheckedInAnyCaseWithoutQuestions) {
    ASSERT_TRUE(open("browser,COOKIES,NoSuchProperty,country,javavendor"));
    EXPECT_TRUE(ui.messages().isEmpty()) << "nothing is asked while the list fills";
    EXPECT_EQ(checked(), (QStringList{"Browser", "Cookies", "JavaVendor", "Country"}));
    EXPECT_EQ(selection.selectionString(), "Browser,Cookies,JavaVendor,Country");
    EXPECT_EQ(selection.currentRow(), 0);
}

TEST_F(PropertySelectionTest, RecommendYesChecksTheComprehensiveSet) {
    ASSERT_TRUE(open("Referrer,Country", manuallyAddPropertyName() << "Referrer"));
    selection.setCurrentRow(40);
    ui.answerMessage(MsgAnswer::Yes);
    selection.recommendSelections();
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{kRecommendation});
    const QStringList names = checked();
    EXPECT_EQ(names.size(), 87);
    EXPECT_TRUE(names.contains("ContainerFullVersion")) << "the set says ContainerFullversion";
    EXPECT_FALSE(names.contains("Country")) << "checks outside the set are cleared";
    EXPECT_FALSE(names.contains("Referrer"));
    for (const QString& java : kJavaBased) EXPECT_FALSE(names.contains(java));
    EXPECT_EQ(selection.currentRow(), 0);

    ui.answerMessage(MsgAnswer::No);
    selection.recommendSelections();
    EXPECT_EQ(checked().size(), 69);
    EXPECT_TRUE(lowerSet(names).contains(lowerSet(checked()))) << "popular within comprehensive";

    ui.answerMessage(MsgAnswer::Cancel);
    const QStringList popular = checked();
    selection.recommendSelections();
    EXPECT_EQ(checked(), popular);
}

TEST_F(PropertySelectionTest, RecommendedNamesMissingFromTheListAreIgnored) {
    ui.answerMessage(MsgAnswer::Yes);
    ASSERT_TRUE(open("", {"Tablet", "Browser", "Touchscreen", "osname"}));
    EXPECT_EQ(checked(), (QStringList{"Browser", "osname"}));
}

TEST_F(PropertySelectionTest, SelectAllAskedTwiceAndJavaPropertiesClearedOnNo) {
    ASSERT_TRUE(open("Browser", {"Browser", "OSName", "JavaVendor", "OSVersion", "OSArch"}));
    selection.setCurrentRow(3);
    ui.answerMessage(MsgAnswer::Yes);
    ui.answerMessage(MsgAnswer::No);
    selection.selectAll();
    EXPECT_EQ(ui.messages(), (QList<MessageRequest>{kStorageIntensive, kKeepJavaProperties}))
        << "no Java question per entry";
    EXPECT_EQ(checked(), (QStringList{"Browser", "OSName", "OSVersion"}));
    EXPECT_EQ(selection.currentRow(), 0);

    ui.clear();
    ui.answerMessage(MsgAnswer::Yes);
    ui.answerMessage(MsgAnswer::Yes);
    selection.selectAll();
    EXPECT_EQ(checked().size(), 5);
}

TEST_F(PropertySelectionTest, SelectAllAnsweredNoStillAsksTheJavaQuestion) {
    ASSERT_TRUE(open("Browser,JavaVendor,OSArch,OSName"));
    ui.answerMessage(MsgAnswer::No);
    ui.answerMessage(MsgAnswer::No);
    selection.selectAll();
    EXPECT_EQ(ui.messages(), (QList<MessageRequest>{kStorageIntensive, kKeepJavaProperties}));
    EXPECT_EQ(checked(), (QStringList{"Browser", "OSName"}));
}

TEST_F(PropertySelectionTest, CheckingAJavaPropertyAsksEachTime) {
    ASSERT_TRUE(open("Browser"));
    ui.answerMessage(MsgAnswer::No);
    check("JavaVendor");
    ui.answerMessage(MsgAnswer::Yes);
    check("OSArch");
    check("OSName");
    EXPECT_EQ(ui.messages(), (QList<MessageRequest>{kJavaPropertyChecked, kJavaPropertyChecked}))
        << "OSName is not Java-based";
    EXPECT_EQ(checked(), (QStringList{"Browser", "OSName", "OSArch"}));
    selection.setChecked(rowOf("OSArch"), false);
    EXPECT_EQ(ui.messages().size(), 2) << "unchecking asks nothing";
}

TEST_F(PropertySelectionTest, OnlyAnEntryNamedExactlyReferrerAsks) {
    ASSERT_TRUE(open("browser", {"Browser", "referrer", "Referrer"}));
    check("referrer");
    EXPECT_TRUE(ui.messages().isEmpty());
    ui.answerMessage(MsgAnswer::No);
    check("Referrer");
    const MessageRequest referrer{"Referrer tracking confirmation",
                                  "Tracking the referrer can an increase your database storage "
                                  "needs by 50-100%.  Are you sure you wish to track the referrer?",
                                  MsgIcon::Question, MsgButtons::YesNo, 2};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{referrer});
    EXPECT_EQ(checked(), (QStringList{"Browser", "referrer"}));
}

TEST_F(PropertySelectionTest, ClearAllUnchecksEverythingAndGoesToTheTop) {
    ASSERT_TRUE(open("Browser,Cookies"));
    selection.setCurrentRow(12);
    selection.clearAll();
    EXPECT_TRUE(checked().isEmpty());
    EXPECT_EQ(selection.currentRow(), 0);
}

TEST_F(PropertySelectionTest, AnErrorWhileOpeningIsReportedAndNothingIsOffered) {
    const bool opened =
        selection.open("Browser", []() -> QStringList { throw AppError(53, "File not found"); });
    EXPECT_FALSE(opened);
    const MessageRequest error{
        "Error occurred",
        "Error #53: File not found\r\rPlease contact Norvane support for more information.",
        MsgIcon::Exclamation};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{error});
    EXPECT_TRUE(selection.items().isEmpty());
}

}  // namespace
}  // namespace sentrel::codegen::test
