#include <gtest/gtest.h>

#include <QRegularExpression>
#include <deque>

#include "EditingFixture.h"
#include "document/Vocabulary.h"
#include "document/merge/MergeReplay.h"
#include "editing/BrowFormFields.h"
#include "editing/BrowserOperations.h"
#include "editing/DescriptionEdit.h"
#include "editing/FilterFormFields.h"
#include "editing/FilterOperations.h"
#include "editing/PropFormFields.h"
#include "editor/lifecycle/MergeRecord.h"
#include "support/TempDir.h"

namespace sentrel::test {
namespace {

namespace bf = editing::browform;
namespace ff = editing::filterform;
namespace pf = editing::propform;

const QString kMaindefs = QStringLiteral(SENTREL_DATA_DIR "/maindefs.bdf");

// The saved file without the values no record carries: the last update of each type.
QString withoutLastUpdates(doc::Document& document, const QString& path) {
    document.save(path);
    QString text = QString::fromUtf8(TempDir::read(path));
    return text.remove(QRegularExpression(QStringLiteral("  value i__lastupd [^\\n]*\\n")));
}

QVariantMap filterForm(const QString& property, const QString& match, const QString& value,
                       const QString& kind, const QString& data) {
    return {{ff::kProperty, property}, {ff::kMatchCondition, match}, {ff::kValue, value},
            {ff::kPriority, "2"},      {ff::kBasedOn, kind},         {ff::kData, data}};
}

// The editor's own operations customise the sample definitions; their merge records,
// written by the editor's record writer and replayed onto the untouched file, give the file
// the editor saved.
TEST(ReplayOfEdits, RecordsOfRealEditsReplayOntoTheOriginalToTheSavedFile) {
    TempDir dir;
    ShownDocument shown(doc::Document::load(kMaindefs));
    FakeWindow& window = shown.window;
    doc::Document& edited = *shown.document;
    bool unsorted = false;
    bool stale = true;
    editing::BrowserOperations browsers(window, shown.views, shown.deleted);
    editing::FilterOperations filters(window, shown.views, {unsorted, stale});
    std::deque<int> ids{424242, 424243};
    filters.setIdSource([&] {
        const int id = ids.front();
        ids.pop_front();
        return id;
    });
    const int firstFilter = edited.FiltersArray()[0].number("uId");

    shown.click("desktop");
    window.script.answerInput(QStringLiteral("Tablets \"10\",\"12\""));
    browsers.createFolder();
    const QString folder = edited.types().constLast();
    shown.click(folder);
    window.script.answerDialog({{bf::kDescription, "iPad \"Pro\""},
                                {bf::kParent, "Tablets \"10\",\"12\""},
                                {bf::kUserAgent, "*iPad*"}});
    browsers.addBrowser();
    shown.click("chrome131");
    window.script.answerInput(QStringLiteral("*Chrome/131.*"));
    browsers.setUserAgent();
    editing::DescriptionEdit(window).apply(
        "chrome130", edited.Path("chrome130").Path(mainMod::kDescriptionParam),
        "Chrome 130 \"old\",\"stable\"");
    shown.click("chrome124");
    browsers.deleteSelectedType();

    shown.click("chrome");
    window.script.answerDialog({{pf::kName, "Channel"},
                                {pf::kDataType, "String"},
                                {pf::kValue, "stable"},
                                {pf::kDefaultValue, "none"}});
    shown.operations.addProperty();
    window.script.answerDialog({{pf::kValue, "False"}, {pf::kApply, true}});
    shown.operations.changeProperty("Cookies");
    ASSERT_TRUE(shown.operations.renameProperty("Language", "Lang"));
    shown.selectRows({"ClientCertName"});
    shown.operations.removeProperties();

    window.script.answerDialog(filterForm("DeviceType", "*iPad*", "Tablet", "Cookie value", "dev"));
    filters.addFilter();
    window.script.answerDialog(
        filterForm("DeviceType", "*iPad* \"Pro\"", "Tablet", "Browser user agent", ""));
    filters.changeFilter("K424242");
    shown.views.filterSelection().clearSelection();
    shown.views.filterSelection().select(
        shown.views.filterList().index(
            shown.views.filterList().rowOfKey("K" + QString::number(firstFilter)), 0),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    filters.removeFilters();

    EXPECT_TRUE(window.script.messages().empty());
    std::vector<int> codes;
    QByteArray mergeFile;
    for (const RecordedMerge& merge : window.merges) {
        codes.push_back(merge.code);
        mergeFile += lifecycle::MergeRecord{merge.code, merge.fields}.line();
    }
    EXPECT_EQ(codes, (std::vector<int>{1, 4, 5, 2, 3, 6, 8, 7, 9, 10, 11, 12}));

    auto original = doc::Document::load(kMaindefs);
    const doc::ReplayReport report = doc::MergeReplay(*original).replay(mergeFile);
    EXPECT_EQ(report.summary(), "12 applied, 0 already so, 0 conflicts")
        << report.text().toStdString();
    const QString saved = withoutLastUpdates(edited, dir.file("edited.bdf"));
    EXPECT_EQ(withoutLastUpdates(*original, dir.file("replayed.bdf")), saved);

    // Again onto the result, and onto the saved file: everything is already so, including
    // the filter that was added and then changed.
    for (doc::Document* target : {original.get(), &edited}) {
        EXPECT_EQ(doc::MergeReplay(*target).replay(mergeFile).summary(),
                  "0 applied, 12 already so, 0 conflicts");
    }
    EXPECT_EQ(withoutLastUpdates(*original, dir.file("again.bdf")), saved);
}

}  // namespace
}  // namespace sentrel::test
