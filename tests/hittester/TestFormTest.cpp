#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

#include "HitTesterFixture.h"
#include "document/Document.h"
#include "editor/frmMain.h"
#include "editor/lifecycle/MainWindowLifecycle.h"
#include "editor/views/MainWindowViews.h"
#include "export/MainWindowHitTester.h"
#include "export/TestForm.h"

namespace sentrel::exporting {
namespace {

const QString kFirefox =
    QStringLiteral("Mozilla/5.0 (X11; Linux x86_64; rv:133.0) Gecko/20100101 Firefox/133.0");

QString valueIn(const QTreeWidget& list, const QString& property) {
    const auto found = list.findItems(property, Qt::MatchExactly);
    return found.size() == 1 ? found.front()->text(1) : QStringLiteral("<missing>");
}

// The caption shown before a result line.
QString captionOf(const QLabel& line) {
    auto* form = qobject_cast<QFormLayout*>(line.parentWidget()->layout()->itemAt(0)->layout());
    auto* caption =
        form ? qobject_cast<QLabel*>(form->labelForField(const_cast<QLabel*>(&line))) : nullptr;
    return caption ? caption->text() : QStringLiteral("<none>");
}

TEST(TestFormTest, WindowShowsTheListAndResultAndHidesOnClose) {
    sentrel::test::TempDir dir;
    ScriptedInteraction ui;
    test::FakeHost host(ui, dir.path());
    HitTester tester(ui, host);
    TestForm form(tester);
    EXPECT_EQ(form.windowTitle(), " Sentrel Hit Tester");
    form.show();
    form.userAgents()->setEditText("Chrome/120 Firefox/1");
    form.runCommand("miTest");
    EXPECT_EQ(form.matchLabel()->text(), "Firefox");
    EXPECT_EQ(form.matchStringLabel()->text(), "*Firefox/*");
    EXPECT_EQ(captionOf(*form.matchLabel()), "Matched entry:");
    EXPECT_EQ(captionOf(*form.matchStringLabel()), "Match string:");
    EXPECT_EQ(valueIn(*form.results(), "Browser"), "Firefox");
    EXPECT_TRUE(form.results()->findItems("i__", Qt::MatchStartsWith).isEmpty());
    EXPECT_EQ(form.userAgents()->count(), 1);
    EXPECT_EQ(form.userAgents()->currentText(), "Chrome/120 Firefox/1");

    form.close();
    EXPECT_FALSE(form.isVisible());

    // Escape closes it as well, from the agent box too.
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(form.userAgents(), Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
}

// The tester in the real main window on the sample definitions: no BDD beside the file, an
// edit saved before the next test, and the file closed.
TEST(TestFormTest, MainWindowTestsTheSavedEditAndUnloadsWithTheFile) {
    sentrel::test::TempDir dir;
    const QString file = dir.file("maindefs.bdf");
    QFile::copy(QStringLiteral(SENTREL_DATA_DIR "/maindefs.bdf"), file);
    dir.write("maindefs.mrg", {});
    ScriptedInteraction ui;
    editor::frmMain window(ui);
    auto internal = doc::Document::create();
    lifecycle::MainWindowLifecycle wiring(ui, window, [&] { return &internal->lru().bdfName; });
    wiring.setBaseDirectory(dir.path());
    wiring.lifecycle().recentDocuments().setListPath(dir.file("recent.xbel"));
    views::MainWindowViews views(window, wiring.lifecycle(), wiring.view(), ui, {});
    MainWindowHitTester hitTester(ui, window, wiring);
    hitTester.setBrowserViews(&views.views());

    ui.answerMessage(MsgAnswer::No);  // "Export BDF to BDD?"
    wiring.lifecycle().OpenFile(file);
    ui.clear();
    window.setGeometry(300, 200, 500, 400);
    window.show();
    window.dispatcher().dispatch("miViewHitTest");
    TestForm* form = hitTester.window();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    // No room beside the main window on this small screen: over it, wholly on the screen.
    EXPECT_TRUE(window.screen()->availableGeometry().contains(form->frameGeometry()))
        << window.screen()->availableGeometry().width();
    EXPECT_TRUE(form->frameGeometry().intersects(window.frameGeometry()));
    form->userAgents()->setEditText(kFirefox);
    form->runCommand("miTest");
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(form->matchLabel()->text(), "Firefox 133");
    EXPECT_EQ(valueIn(*form->results(), "Maker"), "Mozilla");
    EXPECT_EQ(views.views().selectedTypeName(), "firefox133");
    EXPECT_EQ(views.views().shownKey(), "firefox133");

    // A current Chrome on Windows is detected as its own version.
    form->userAgents()->setEditText(QStringLiteral(
        "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
        "Chrome/143.0.0.0 Safari/537.36"));
    form->runCommand("miTest");
    EXPECT_EQ(form->matchLabel()->text(), "Chrome 143");
    EXPECT_EQ(valueIn(*form->results(), "Browser"), "Chrome");
    EXPECT_EQ(valueIn(*form->results(), "version"), "143.0");
    EXPECT_EQ(valueIn(*form->results(), "Platform"), "Windows");
    EXPECT_EQ(valueIn(*form->results(), "PlatformVersion"), "10.0");
    form->userAgents()->setEditText(kFirefox);
    form->runCommand("miTest");

    doc::Document& document = *wiring.lifecycle().state().document();
    document.Path("firefox133").SetParamDefValue("Maker", "Edited");
    wiring.lifecycle().markModified();
    ASSERT_TRUE(wiring.lifecycle().SaveFile());
    form->runCommand("miTest");
    EXPECT_EQ(valueIn(*form->results(), "Maker"), "Edited");

    window.dispatcher().dispatch("miFileClose");
    EXPECT_EQ(hitTester.window(), nullptr);
    EXPECT_EQ(wiring.lifecycle().state().detectionObject, nullptr);
    EXPECT_FALSE(QFile::exists(dir.file("temp.bdd")));
    EXPECT_TRUE(ui.messages().isEmpty());
}

}  // namespace
}  // namespace sentrel::exporting
