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
    void writeMergeRecord(int code, const std::array<QString, 5>& fields) override {
        FakeWindow::writeMergeRecord(code, fields);
        life_.WriteMergeRecord(code, fields[0], fields[1], fields[2], fields[3], fields[4]);
    }
    void markModified() override {
        FakeWindow::markModified();
        life_.markModified();
    }

  private:
    lifecycle::FileLifecycle& life_;
};

QStringList recordCodes(const QByteArray& mergeFile) {
    QStringList codes;
    for (const QByteArray& line : mergeFile.split('\n')) {
        if (!line.trimmed().isEmpty()) codes << QString::fromUtf8(line.left(line.indexOf(',')));
    }
    return codes;
}

QStringList filterValues(doc::Document& document, const QString& field) {
    QStringList values;
    for (int i = 0; i < document.FiltersArray().Count(); ++i) {
        values << document.FiltersArray()[i].text(field);
    }
    return values;
}

// A new user's first session on the sample definitions: a folder, a browser in it with its
// user agent, a cookie filter and a user-agent filter, the browser deleted again, the file
// saved and compacted.
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
    window.script.answerInput(QStringLiteral("Robots"));
    browsers.createFolder();
    const QString folder = window.selected;
    window.script.answerDialog(
        {{bf::kDescription, "Test Bot"}, {bf::kParent, "Robots"}, {bf::kUserAgent, "*TestBot/*"}});
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
                                {ff::kMatchCondition, "*TestBot*"},
                                {ff::kValue, "Test Bot"},
                                {ff::kPriority, "2"},
                                {ff::kBasedOn, "Browser user agent"}});
    filters.addFilter();
    browsers.deleteSelectedType();  // the new browser is still the selected node
    EXPECT_EQ(window.script.messages().size(), 0)
        << window.script.messageTexts().join('\n').toStdString();

    ASSERT_TRUE(life.SaveFile()) << ui.messageTexts().join('\n').toStdString();
    EXPECT_FALSE(life.state().filtersUnsorted);
    life.CompactFile();

    const QByteArray merge = TempDir::read(dir.file("maindefs.mrg"));
    EXPECT_EQ(recordCodes(merge), QStringList({"1", "4", "10", "10", "3"}));
    EXPECT_TRUE(merge.contains(",\"True|1|consent\",")) << merge.toStdString();

    auto saved = doc::Document::load(dir.file("maindefs.bdf"));
    ASSERT_TRUE(saved->hasType(folder));
    EXPECT_EQ(saved->Path(folder).Path("i__description"), "Robots");
    EXPECT_FALSE(saved->hasType(bot));
    const QStringList matches = filterValues(*saved, "matchStr");
    EXPECT_TRUE(matches.contains("*yes*"));
    EXPECT_TRUE(matches.contains("*TestBot*"));
    const QStringList priorities = filterValues(*saved, "priority");
    EXPECT_TRUE(
        std::is_sorted(priorities.begin(), priorities.end(),
                       [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); }));
}

}  // namespace
}  // namespace sentrel::test
