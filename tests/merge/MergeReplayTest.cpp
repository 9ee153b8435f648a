#include <gtest/gtest.h>

#include "document/Document.h"
#include "document/Vocabulary.h"
#include "document/merge/MergeReplay.h"
#include "editor/lifecycle/MergeRecord.h"
#include "support/TempDir.h"

namespace sentrel::doc {
namespace {

using Fields = std::array<QString, 5>;
const QString kStamp = QStringLiteral("2026-12-06T10:00:00");

TypeObject& addType(Document& document, const QString& name, const QString& base,
                    const QString& description, const QString& kind) {
    TypeObject& type = document.AddInheritedType(name, base);
    type.SetParamDefValue(mainMod::kDescriptionParam, description);
    type.SetParamDefValue(mainMod::kTypeParam, kind);
    return type;
}

void addFilter(Document& document, int uId, const QString& property, const QString& match,
               const QString& value) {
    FiltersArray& filters = document.FiltersArray();
    FilterElement& filter = filters[filters.Add()];
    filter.set("uId", uId);
    filter.set("propToSet", property);
    filter.set("matchStr", match);
    filter.set("valToSet", value);
    filter.set("priority", 1);
    filter.set("filterType", 0);
    filter.set("DataField", "");
}

// The blank template with the properties Browser, Cookies and Legacy, the folders desktop
// and mobile, the browser chrome below desktop and the filters 500 and 501.
std::unique_ptr<Document> makeDocument() {
    auto document = Document::load(QStringLiteral(SENTREL_DATA_DIR "/intmpl.bdf"));
    TypeObject& root = document->DefaultBrowser();
    root.AddParameter("Browser", "String");
    root.AddParameter("Cookies", "Boolean");
    root.AddParameter("Legacy", "Integer");
    addType(*document, "desktop", "DefaultBrowser", "Desktop", "2");
    addType(*document, "chrome", "desktop", "Chrome", "0")
        .SetParamDefValue(mainMod::kUserAgentParam, "*Chrome*");
    addType(*document, "mobile", "DefaultBrowser", "Mobile", "2");
    addFilter(*document, 500, "Cookies", "*Old*", "False");
    addFilter(*document, 501, "Cookies", "*Ancient*", "False");
    return document;
}

// The merge file's text as the editor writes it, one record per entry.
QByteArray mergeFile(const std::vector<std::pair<int, Fields>>& records) {
    QByteArray text;
    for (const auto& [code, fields] : records) text += lifecycle::MergeRecord{code, fields}.line();
    return text;
}

std::vector<ReplayOutcome> outcomes(const ReplayReport& report) {
    std::vector<ReplayOutcome> result;
    for (const ReplayEntry& entry : report.entries) result.push_back(entry.outcome);
    return result;
}

QStringList reasons(const ReplayReport& report) {
    QStringList result;
    for (const ReplayEntry& entry : report.entries) result << entry.reason;
    return result;
}

QByteArray savedBytes(Document& document, const QString& path) {
    document.save(path);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// One record of every code, in an order the editor could have written them.
const std::vector<std::pair<int, Fields>> kEveryCode = {
    {1, {"tabs1234567", "desktop", "Tablets \"10\",\"12\"", "", kStamp}},
    {4, {"ipad1234567", "tabs1234567", "iPad \"Pro\"", "*iPad*", kStamp}},
    {2, {"chrome", "", "Chrome \"Stable\",\"Beta\"", "", kStamp}},
    {5, {"chrome", "", "*Chrome/1*", "", kStamp}},
    {6, {"Platform", "tabs1234567", "String", "none", "iOS"}},
    {7, {"Browser", "BrowserName", "", "", ""}},
    {8, {"desktop", "Cookies", "True", "children", kStamp}},
    {9, {"Legacy", "", "", "", ""}},
    {10, {"7", "Platform", "*iPad*", "iOS|1|session", "2"}},
    {11, {"500", "Cookies", "*Old \"IE\"*", "True", "3"}},
    {12, {"501", "", "", "", ""}},
    {3, {"mobile", "", "", "", ""}},
};

TEST(MergeReplayTest, EveryRecordCodeIsAppliedAndASecondReplayChangesNothing) {
    test::TempDir dir;
    auto document = makeDocument();
    std::vector<int> journalled;
    MergeReplay replay(*document,
                       [&](const ReplayEntry& entry) { journalled.push_back(entry.code); });
    const ReplayReport first = replay.replay(mergeFile(kEveryCode));

    EXPECT_EQ(outcomes(first), std::vector<ReplayOutcome>(12, ReplayOutcome::Applied))
        << reasons(first).join(" / ").toStdString();
    EXPECT_EQ(journalled, (std::vector<int>{1, 4, 2, 5, 6, 7, 8, 9, 10, 11, 12, 3}));
    EXPECT_EQ(first.summary(), "12 applied, 0 already so, 0 conflicts");

    Document& d = *document;
    EXPECT_EQ(d.Path("tabs1234567").getbasetype()->Name(), "desktop");
    EXPECT_EQ(d.Path("tabs1234567").Path(mainMod::kDescriptionParam), "Tablets \"10\",\"12\"");
    EXPECT_EQ(d.Path("tabs1234567").Path(mainMod::kTypeParam), "2");
    EXPECT_EQ(d.Path("tabs1234567").Path(mainMod::kLastUpdateParam), kStamp);
    EXPECT_EQ(d.Path("ipad1234567").Path(mainMod::kDescriptionParam), "iPad \"Pro\"");
    EXPECT_EQ(d.Path("ipad1234567").Path(mainMod::kUserAgentParam), "*iPad*");
    EXPECT_EQ(d.Path("ipad1234567").Path(mainMod::kTypeParam), "0");
    EXPECT_EQ(d.Path("chrome").Path(mainMod::kDescriptionParam), "Chrome \"Stable\",\"Beta\"");
    EXPECT_EQ(d.Path("chrome").Path(mainMod::kUserAgentParam), "*Chrome/1*");
    // The new property: its value in the branch, the default elsewhere.
    EXPECT_EQ(d.DefaultBrowser().GetPropertyType("Platform"), "String");
    EXPECT_EQ(d.Path("ipad1234567").Path("Platform"), "iOS");
    EXPECT_EQ(d.Path("chrome").Path("Platform"), "none");
    EXPECT_TRUE(d.DefaultBrowser().hasParameter("BrowserName"));
    EXPECT_FALSE(d.DefaultBrowser().hasParameter("Browser"));
    // "children": every browser below desktop has its own value.
    for (const QString name : {"desktop", "chrome", "tabs1234567", "ipad1234567"}) {
        EXPECT_EQ(d.Path(name).ownValue("Cookies"), "True") << name.toStdString();
    }
    EXPECT_EQ(d.Path("mobile").Path("Cookies"), "");
    EXPECT_FALSE(d.DefaultBrowser().hasParameter("Legacy"));
    EXPECT_EQ(d.Path("mobile").Path(mainMod::kTypeParam), "-1");

    FiltersArray& filters = d.FiltersArray();
    ASSERT_EQ(filters.Count(), 2);
    EXPECT_EQ(filters.valuearray()[0],
              (QVariantList{"Cookies", "*Old \"IE\"*", "True", 3, 500, 0, ""}));
    EXPECT_EQ(filters.valuearray()[1],
              (QVariantList{"Platform", "*iPad*", "iOS", 2, 7, 1, "session"}));

    const QByteArray once = savedBytes(d, dir.file("once.bdf"));
    const ReplayReport second = replay.replay(mergeFile(kEveryCode));
    EXPECT_EQ(second.summary(), "0 applied, 12 already so, 0 conflicts");
    EXPECT_EQ(journalled.size(), 12u);
    EXPECT_EQ(savedBytes(d, dir.file("twice.bdf")), once);
    EXPECT_EQ(
        Document::load(dir.file("twice.bdf"))->Path("ipad1234567").Path(mainMod::kDescriptionParam),
        "iPad \"Pro\"");
}

// A newer file from upstream: chrome and the property Legacy are gone, filter 501 was
// removed, filter 500 and chrome's folder already say what the records want.
TEST(MergeReplayTest, OntoANewerFileRemovedTargetsConflictAndUpstreamChangesAreAlreadySo) {
    auto document = makeDocument();
    document->Path("chrome").SetParamDefValue(mainMod::kTypeParam, "-1");
    document->DefaultBrowser().deleteProperty("Legacy");
    document->FiltersArray().Remove(1);
    document->Path("desktop").SetParamDefValue(mainMod::kDescriptionParam, "Desktops");
    document->FiltersArray()[0].set("matchStr", "*Old IE*");

    const ReplayReport report = MergeReplay(*document).replay(mergeFile({
        {2, {"chrome", "", "Chrome 2", "", kStamp}},
        {2, {"desktop", "", "Desktops", "", kStamp}},
        {8, {"desktop", "Legacy", "3", "", kStamp}},
        {11, {"501", "Cookies", "*Ancient*", "True", "1"}},
        {11, {"500", "Cookies", "*Old IE*", "False", "1"}},
        {12, {"501", "", "", "", ""}},
        {10, {"500", "Cookies", "*New*", "True", "1"}},
        {4, {"edge1234567", "chrome", "Edge", "*Edg/*", kStamp}},
        {1, {"gone1234567", "nowhere", "Gone", "", kStamp}},
        {9, {"Legacy", "", "", "", ""}},
        {3, {"chrome", "", "", "", ""}},
        {7, {"Legacy", "Old", "", "", ""}},
        {5, {"desktop", "", "*Desk*", "", kStamp}},
    }));

    EXPECT_EQ(
        reasons(report),
        (QStringList{"the browser or folder \"chrome\" was deleted", "",
                     "the property \"Legacy\" does not exist", "no filter has the unique id 501",
                     "", "", "another filter has the unique id 500",
                     "its parent: the browser or folder \"chrome\" was deleted",
                     "its parent: the browser or folder \"nowhere\" does not exist", "", "",
                     "the property \"Legacy\" does not exist", ""}));
    using R = ReplayOutcome;
    EXPECT_EQ(outcomes(report),
              (std::vector<R>{R::Conflict, R::AlreadySo, R::Conflict, R::Conflict, R::AlreadySo,
                              R::AlreadySo, R::Conflict, R::Conflict, R::Conflict, R::AlreadySo,
                              R::AlreadySo, R::Conflict, R::Applied}));
    EXPECT_EQ(report.summary(), "1 applied, 5 already so, 7 conflicts");
    EXPECT_EQ(report.conflictLines().first(),
              "line 1: the browser or folder \"chrome\" was deleted: "
              "2,\"chrome\",\"\",\"Chrome 2\",\"\",\"2026-12-06T10:00:00\"");
}

TEST(MergeReplayTest, DamagedAndAmbiguousRecordsAreConflictsAndTheRestIsApplied) {
    test::TempDir dir;
    auto document = makeDocument();
    const QByteArray file =
        "garbage\r\n"
        "\r\n"
        "14,\"x\",\"\",\"\",\"\",\"\"\r\n"
        "4,\"ipad1\",\"desktop\",\"iPad\",\"Pro\",\"*iPad*\",\"2026-12-06T10:00:00\"\r\n"
        "10,500,\"Cookies\",\"*\",\"a|1|b|2|c\",\"1\"\r\n"
        "10,9,\"Cookies\",\"*\",\"True\",\"high\"\r\n"
        "8,\"desktop\",\"Cookies\",\"maybe\",\"\",\"2026-12-06T10:00:00\"\r\n"
        "8,\"desktop\",\"Cookies\",\"True\",\"all\",\"2026-12-06T10:00:00\"\r\n"
        "2,\"desktop\",\"\",\"Mobile\",\"\",\"2026-12-06T10:00:00\"\r\n"
        "3,\"desktop\",\"\",\"\",\"\",\"\"\r\n"
        "9,\"i__description\",\"\",\"\",\"\",\"\"\r\n"
        "5,\"desktop\",\"\",\"*Desk*\",\"\",\"2026-12-06T10:00:00\"\n";
    const ReplayReport report = MergeReplay(*document).replay(file);

    EXPECT_EQ(report.conflictLines(),
              (QStringList{
                  "line 1: damaged record (the line is no merge record): garbage",
                  "line 3: damaged record (unknown record code 14): 14,\"x\",\"\",\"\",\"\",\"\"",
                  "line 4: damaged record (its text fields hold \",\" and can be read in more "
                  "than one way): 4,\"ipad1\",\"desktop\",\"iPad\",\"Pro\",\"*iPad*\","
                  "\"2026-12-06T10:00:00\"",
                  "line 5: the value field \"a|1|b|2|c\" can be read in more than one way: "
                  "10,500,\"Cookies\",\"*\",\"a|1|b|2|c\",\"1\"",
                  "line 6: the priority \"high\" is no number: "
                  "10,9,\"Cookies\",\"*\",\"True\",\"high\"",
                  "line 7: \"maybe\" is no valid Boolean value: "
                  "8,\"desktop\",\"Cookies\",\"maybe\",\"\",\"2026-12-06T10:00:00\"",
                  "line 8: unknown flag \"all\": "
                  "8,\"desktop\",\"Cookies\",\"True\",\"all\",\"2026-12-06T10:00:00\"",
                  "line 9: the description \"Mobile\" is already used: "
                  "2,\"desktop\",\"\",\"Mobile\",\"\",\"2026-12-06T10:00:00\"",
                  "line 10: \"desktop\" still has browsers or folders below it: "
                  "3,\"desktop\",\"\",\"\",\"\",\"\"",
                  "line 11: \"i__description\" is a system property: "
                  "9,\"i__description\",\"\",\"\",\"\",\"\"",
              }));
    EXPECT_EQ(report.summary(), "1 applied, 0 already so, 10 conflicts");
    EXPECT_EQ(document->Path("desktop").Path(mainMod::kUserAgentParam), "*Desk*");
    EXPECT_EQ(document->FiltersArray().Count(), 2);
    EXPECT_EQ(document->Path("desktop").Path(mainMod::kDescriptionParam), "Desktop");

    document->save(dir.file("merged.bdf"));
    EXPECT_EQ(
        Document::load(dir.file("merged.bdf"))->Path("desktop").Path(mainMod::kUserAgentParam),
        "*Desk*");
    EXPECT_EQ(report.text(),
              report.summary() + "\nConflicts:\n" + report.conflictLines().join('\n') + "\n");
}

}  // namespace
}  // namespace sentrel::doc
