#include <gtest/gtest.h>

#include <QFile>

#include "OpsFixture.h"
#include "StatusView.h"
#include "editing/BrowFormFields.h"
#include "editing/FilterFormFields.h"
#include "editor/lifecycle/FileLifecycle.h"
#include "support/TempDir.h"

namespace sentrel::test {
namespace {

namespace bf = editing::browform;
namespace ff = editing::filterform;

// The window the operations see, writing through to the real file lifecycle.
class LifecycleWindow : public FakeWindow {
  public:
    explicit LifecycleWindow(lifecycle::FileLifecycle& life)
        : FakeWindow(*life.state().document()), life_(life) {}
    void writeMergeRecord(int code, const std::array<QString, 5>& f) override {
        life_.WriteMergeRecord(code, f[0], f[1], f[2], f[3], f[4]);
    }
    void markModified() override { life_.markModified(); }

  private:
    lifecycle::FileLifecycle& life_;
};

QStringList filterValues(doc::Document& document, const QString& field) {
    QStringList values;
    for (int i = 0; i < document.FiltersArray().Count(); ++i) {
        values << document.FiltersArray()[i].text(field);
    }
    return values;
}

// A first session on the sample definitions: a folder, a browser in it with its user agent,
// a cookie filter and a user-agent filter, the browser deleted again, saved and compacted.
TEST(EditingSession, SavedAndCompactedFileKeepsTheEditsAndTheMergeRecords) {
    TempDir dir;
    for (const char* name : {"maindefs.bdf", "intmpl.bdf"}) {
        QFile::copy(QStringLiteral(SENTREL_DATA_DIR "/") + name, dir.file(name));
    }
    dir.write("maindefs.mrg", {});
    ScriptedInteraction ui;
    ui.answerMessage(MsgAnswer::No);  // no BDD beside the file yet: none made now
    StatusView view;
    lifecycle::FileLifecycle life(ui, view);
    life.setBaseDirectory(dir.path());
    life.OpenFile(dir.file("maindefs.bdf"));
    ASSERT_TRUE(life.state().hasDocument()) << ui.messageTexts().join('\n').toStdString();

    LifecycleWindow window(life);
    editing::BrowserOperations browsers(window, window, life.state().deletedTypes);
    editing::FilterOperations filters(
        window, window, {life.state().filtersUnsorted, life.state().filterDialogStale});
    window.script.answerInput("Robots");
    browsers.createFolder();
    const QString folder = window.selected;
    window.script.answerDialog(
        {{bf::kDescription, "Test Bot"}, {bf::kParent, "Robots"}, {bf::kUserAgent, "*Bot/*"}});
    browsers.addBrowser();
    const QString bot = window.selected;
    window.script.answerDialog({{ff::kProperty, "cookies"},
                                {ff::kMatchCondition, "*yes*"},
                                {ff::kValue, "True"},
                                {ff::kPriority, "1"},
                                {ff::kBasedOn, "Cookie value"},
                                {ff::kData, "consent"}});
    filters.addFilter();
    window.script.answerDialog({{ff::kProperty, "browser"},
                                {ff::kMatchCondition, "*Bot/*"},
                                {ff::kValue, "Test Bot"},
                                {ff::kPriority, "2"}});
    filters.addFilter();
    browsers.deleteSelectedType();  // the new browser is still the selected node
    EXPECT_TRUE(window.script.messages().isEmpty());
    ASSERT_TRUE(life.SaveFile()) << ui.messageTexts().join('\n').toStdString();
    life.CompactFile();

    const QList<QByteArray> records = TempDir::read(dir.file("maindefs.mrg")).split('\n');
    QStringList codes;
    for (const QByteArray& record : records) codes << QString(record.left(record.indexOf(',')));
    EXPECT_EQ(codes, QStringList({"1", "4", "10", "10", "3", ""}));
    EXPECT_TRUE(records[2].contains(",\"True|1|consent\",")) << records[2].toStdString();

    auto saved = doc::Document::load(dir.file("maindefs.bdf"));
    ASSERT_TRUE(saved->hasType(folder));
    EXPECT_EQ(saved->Path(folder).Path("i__description"), "Robots");
    EXPECT_FALSE(saved->hasType(bot));
    const QStringList matches = filterValues(*saved, "matchStr");
    EXPECT_TRUE(matches.contains("*yes*") && matches.contains("*Bot/*"));
    const QStringList priorities = filterValues(*saved, "priority");
    EXPECT_TRUE(
        std::is_sorted(priorities.begin(), priorities.end(),
                       [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); }));
}

}  // namespace
}  // namespace sentrel::test
