#include <gtest/gtest.h>

#include <QRegularExpression>

#include <deque>

#include "OpsFixture.h"
#include "document/DocumentWriter.h"
#include "document/Vocabulary.h"
#include "editing/BrowFormFields.h"

namespace sentrel::test {
namespace {

namespace bf = editing::browform;
const QString kStamp = QStringLiteral("2026-12-06T10:00:00");

QVariantMap browser(const QString& description, const QString& parent,
                    const QString& agent = QString()) {
    return {{bf::kDescription, description}, {bf::kParent, parent}, {bf::kUserAgent, agent}};
}

QString newestType(const Ops& ops) {
    return ops.document->types().constLast();
}

bool matches(const QString& pattern, const QString& text) {
    return QRegularExpression(pattern).match(text).hasMatch();
}

TEST(AddBrowser, UnderAFolderChosenFromLiveParents) {
    Ops ops;
    ops.select("chrome");
    ops.window.script.answerDialog(browser("Edge 120", "Desktop", "*Edg/120*"));
    ops.browsers.addBrowser();

    EXPECT_EQ(ops.dialogField(0, bf::kParents).toStringList(),
              QStringList({"Default Browser", "Desktop", "Chrome", "Mobile"}));  // no "Old IE"
    EXPECT_EQ(ops.dialogField(0, bf::kParent).toString(), "Chrome");
    const QString name = newestType(ops);
    const doc::TypeObject& type = ops.document->Path(name);
    EXPECT_EQ(type.getbasetype()->Name(), "desktop");
    for (const auto& [param, value] : {std::pair{"i__description", "Edge 120"},
                                       {"i__type", "0"},
                                       {"i__userAgent", "*Edg/120*"},
                                       {"i__lastupd", "2026-12-06T10:00:00"}}) {
        EXPECT_EQ(type.Path(param), value) << param;
    }
    EXPECT_EQ(ops.window.merges,
              (std::vector<Merge>{{4, {name, "desktop", "Edge 120", "*Edg/120*", kStamp}}}));
    ASSERT_NE(ops.node(name), nullptr);
    EXPECT_EQ(ops.node(name)->parent->key, "desktop");
    EXPECT_EQ(ops.node(name)->image, "browser");
    EXPECT_EQ(ops.views.shownKey(), name);
    EXPECT_EQ(ops.views.quickFindEntries().constLast(), "Edge 120");
    EXPECT_EQ(ops.window.modified, 1);
}

TEST(AddBrowser, DescriptionChecksInOrderAndDeletedDescriptionsFree) {
    Ops ops;
    for (const char* description : {"", "cHROME", "--", "i__x", "123", "Old IE"}) {
        ops.window.script.answerDialog(browser(description, "Desktop"));
    }
    ops.browsers.addBrowser();
    EXPECT_EQ(ops.messageTitles(),
              QStringList({"Description Required", "Description Already Exists",
                           "Invalid Description Entered", "Invalid Description Entered",
                           "Invalid Description Entered"}));
    EXPECT_EQ(ops.window.script.messages()[1].text,
              "The description you entered already exists.\r\n"
              "Please retry using a unique description.");
    EXPECT_EQ(ops.document->Path(newestType(ops)).Path("i__description"), "Old IE");

    ops.window.script.answerDialog(browser("9 to 5", "Desktop"));
    ops.browsers.addBrowser();
    EXPECT_TRUE(matches("^A9to5[0-9]{7}$", newestType(ops)));
}

TEST(AddBrowser, CancelOrAParentNotFoundAddsNothing) {
    Ops ops;
    const auto types = ops.document->types().size();
    ops.window.script.cancelDialog();
    ops.browsers.addBrowser();
    ops.window.script.answerDialog(browser("Opera", "desktop"));  // exact description only
    ops.browsers.addBrowser();
    EXPECT_EQ(ops.document->types().size(), types);
    EXPECT_EQ(ops.window.script.messages(),
              QList<MessageRequest>({{"Browser Not Found",
                                      "Error: Could not find browser name for matching "
                                      "description. Browser not added.",
                                      MsgIcon::Critical}}));
    EXPECT_EQ(ops.window.modified, 0);
}

TEST(CreateFolder, AsksAgainWhileTheDescriptionExists) {
    Ops ops;
    ops.select("mobile");
    ops.window.script.answerInput("desktop");
    ops.window.script.answerInput("Tablets");
    ops.browsers.createFolder();

    const InputRequest asked = ops.window.script.events().front().input;
    EXPECT_EQ(asked.title, "Create Browser Folder");
    EXPECT_EQ(asked.prompt,
              "Please enter a title for the new folder:\n\nExamples:\n\n"
              "\tNetscape v3\n\tMSIE v4\n\tNCSA Mosaic v3\n\n");
    EXPECT_EQ(ops.window.script.messageTexts(),
              QStringList{"This description already exists.  Please\r\n"
                          "retry and enter a unique description."});
    const QString name = newestType(ops);
    EXPECT_EQ(ops.document->Path(name).Path("i__type"), "2");
    EXPECT_EQ(ops.window.merges,
              (std::vector<Merge>{{1, {name, "mobile", "Tablets", "", kStamp}}}));
    EXPECT_EQ(ops.node(name)->parent->key, "mobile");
    EXPECT_EQ(ops.node(name)->image + ops.node(name)->selectedImage, "folderfoldersel");
    EXPECT_EQ(ops.views.shownKey(), name);

    // Below a folder with its own icon, the new folder shows that icon.
    ops.select("desktop");
    ops.window.script.answerInput("1st");
    ops.browsers.createFolder();
    EXPECT_TRUE(matches("^x1st[0-9]{7}$", newestType(ops)));
    const views::TreeNode* custom = ops.node(newestType(ops));
    EXPECT_EQ(custom->image + custom->selectedImage, "customcustom");
}

TEST(CreateFolder, EndsOnCancelEmptyOrRefusedAndReportsFailures) {
    Ops ops;
    const auto types = ops.document->types().size();
    ops.window.script.answerInput(std::nullopt);
    ops.window.script.answerInput(QString());
    ops.window.script.answerInput("--");
    for (int i = 0; i < 3; ++i) ops.browsers.createFolder();
    EXPECT_EQ(ops.window.script.messages(),
              QList<MessageRequest>({{"",
                                      "You did not enter a valid description for this folder.  A "
                                      "description must begin with a letter.  Folder not added.",
                                      MsgIcon::None}}));
    EXPECT_EQ(ops.document->types().size(), types);

    ops.window.journalFailure = AppError(61, "Disk full");
    ops.window.script.answerInput("Robots");
    ops.browsers.createFolder();
    EXPECT_EQ(ops.window.script.messages().back(),
              (MessageRequest{"Unexpected error",
                              "An unexpected error occurred trying to add this folder. Err #61, "
                              "Description: Disk full",
                              MsgIcon::Exclamation}));
}

TEST(SetUserAgent, NonEmptyPatternStoredAndTitledWithoutLeadingBlank) {
    Ops ops;
    ops.select("chrome");
    ops.showSystem = true;
    ops.window.script.answerInput(QString());
    ops.window.script.answerInput("Mozilla/5.0*Chrome/*");
    ops.browsers.setUserAgent();  // empty: nothing changes
    EXPECT_TRUE(ops.window.merges.empty());
    ops.browsers.setUserAgent();

    const InputRequest asked = ops.window.script.events()[1].input;
    EXPECT_EQ(asked.title, "Set matching user agent string");
    EXPECT_EQ(asked.defaultText, "*Chrome*");
    EXPECT_EQ(ops.document->Path("chrome").Path("i__userAgent"), "Mozilla/5.0*Chrome/*");
    EXPECT_EQ(ops.window.merges,
              (std::vector<Merge>{{5, {"chrome", "", "Mozilla/5.0*Chrome/*", "", kStamp}}}));
    EXPECT_EQ(ops.views.title(), "Browser: Chrome  (Mozilla/5.0*Chrome/*)");
    // With system properties shown, the list is refreshed to show the new pattern.
    const views::RowListModel& rows = ops.views.propertyList();
    EXPECT_EQ(rows.row(rows.rowOfKey("i__userAgent")).cells.value(1), "Mozilla/5.0*Chrome/*");
}

TEST(DeleteSelectedType, MarksDeletedWithoutAskingAndLeavesRootAndParents) {
    Ops ops;
    for (const char* key : {"DefaultBrowser", "desktop", "chrome"}) {
        ops.select(key);
        ops.browsers.deleteSelectedType();
    }
    EXPECT_EQ(ops.document->Path("desktop").Path("i__type"), "2");
    EXPECT_EQ(ops.document->Path("chrome").Path("i__type"), "-1");  // kept until compaction
    EXPECT_EQ(ops.deletedTypes, QStringList({"oldie", "chrome"}));
    EXPECT_EQ(ops.window.merges, (std::vector<Merge>{{3, {"chrome", "", "", "", ""}}}));
    EXPECT_EQ(ops.node("chrome"), nullptr);
    EXPECT_EQ(ops.views.selectedTypeName(), "desktop");
    EXPECT_EQ(ops.views.shownKey(), "desktop");
    EXPECT_FALSE(ops.views.quickFindEntries().contains("Chrome"));
    EXPECT_TRUE(ops.window.script.events().isEmpty());
    EXPECT_FALSE(editing::BrowserOperations::LoadBrowserParents(*ops.document).contains("Chrome"));
    EXPECT_FALSE(mainMod::descriptionExists("chrome", *ops.document));
}

TEST(BrowserEdits, AFailedRecordLeavesTheDocumentAndTheTreeAsTheyWere) {
    Ops ops;
    ops.select("chrome");
    const QByteArray before = doc::DocumentWriter::write(*ops.document);
    const QStringList quickFind = ops.views.quickFindEntries();
    ops.window.journalFailure = AppError(61, "Disk full");

    ops.window.script.answerDialog(browser("Edge", "Desktop"));
    EXPECT_THROW(ops.browsers.addBrowser(), AppError);
    ops.window.script.answerInput("Robots");
    ops.browsers.createFolder();  // reports the failure itself
    ops.window.script.answerInput("*Chromium*");
    EXPECT_THROW(ops.browsers.setUserAgent(), AppError);
    EXPECT_THROW(ops.browsers.deleteSelectedType(), AppError);

    EXPECT_EQ(doc::DocumentWriter::write(*ops.document), before);
    EXPECT_EQ(ops.views.quickFindEntries(), quickFind);
    EXPECT_NE(ops.node("chrome"), nullptr);
    EXPECT_EQ(ops.deletedTypes, QStringList{"oldie"});
    EXPECT_EQ(ops.window.modified, 0);

    // With the journal working again, the same descriptions are free.
    ops.window.journalFailure.reset();
    ops.window.script.answerDialog(browser("Edge", "Desktop"));
    ops.browsers.addBrowser();
    ops.window.script.answerInput("Robots");
    ops.browsers.createFolder();
    EXPECT_EQ(ops.messageTitles(), QStringList{"Unexpected error"});
    EXPECT_EQ(ops.window.merges.size(), 2u);
}

TEST(NewTypeNames, ATakenNameIsDrawnAgain) {
    Ops ops;
    std::deque<quint32> draws{1000001, 1000001, 2000002, 1000001, 2000002, 3000003};
    ops.browsers.setNameSuffixSource([&draws] {
        const quint32 draw = draws.front();
        draws.pop_front();
        return draw;
    });
    // Three descriptions with the same letters: each name drawn first is taken but the first.
    ops.select("desktop");
    ops.window.script.answerDialog(browser("Edge", "Desktop"));
    ops.browsers.addBrowser();
    ops.window.script.answerDialog(browser("Edge!", "Desktop"));
    ops.browsers.addBrowser();
    ops.window.script.answerInput("Edge?");
    ops.browsers.createFolder();

    EXPECT_EQ(ops.document->types().mid(ops.document->types().size() - 3),
              QStringList({"edge1000001", "edge2000002", "edge3000003"}));
    EXPECT_TRUE(draws.empty());
}

}  // namespace
}  // namespace sentrel::test
