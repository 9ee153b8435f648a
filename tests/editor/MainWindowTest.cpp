#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "editor/CommandBarView.h"
#include "editor/frmMain.h"
#include "shell/ScriptedInteraction.h"
#include "support/TempDir.h"

namespace sentrel::editor {
namespace {

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() {
        window.setSettingsFactory([this] {
            return std::make_unique<QSettings>(dir.file("Sentrel.conf"), QSettings::IniFormat);
        });
    }

    QSettings settings() { return QSettings(dir.file("Sentrel.conf"), QSettings::IniFormat); }

    void showLoaded() {
        window.loadWindow();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QRect screenPixels() const { return window.screen()->availableGeometry(); }

    test::TempDir dir;
    ScriptedInteraction ui;
    frmMain window{ui};
};

TEST_F(MainWindowTest, ShowsEveryMenuToolPaneAndPanel) {
    QStringList menus;
    for (QAction* a : window.menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&Browsers", "&Properties", "Fi&lters", "&View",
                                  "&Reports", "&Special", "&Help"}));
    for (const QString& name : window.commandBar().toolNames()) {
        const CommandTool* tool = window.commandBar().tool(name);
        if (!tool->visible || name == commands::kQuickFind) continue;
        auto* action = window.findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name.toStdString();
        EXPECT_EQ(action->text(), tool->caption);
    }
    EXPECT_EQ(window.findChild<QAction*>("miFileNew")->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(window.findChild<QAction*>("miViewHitTest")->shortcut(), QKeySequence("F5"));
    EXPECT_EQ(window.findChild<QAction*>("miEditUndo")->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(window.findChild<QAction*>("miEditRedo")->shortcuts(),
              QList<QKeySequence>({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
    EXPECT_EQ(window.findChild<QAction*>("miHelpContents")->shortcut(), QKeySequence("F1"));
    EXPECT_NE(window.findChild<QToolBar*>("Standard"), nullptr);
    EXPECT_NE(window.findChild<QComboBox*>("miBrowsersQuickFind"), nullptr);

    const QStringList captions = {
        "Defined browsers:", "Browser properties:", "Defined filters:", "Filter settings:"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(window.titleLabel(static_cast<commands::Pane>(i + 1))->text(), captions[i]);
    auto* download = window.statusBar()->findChild<QLabel*>("Download");
    ASSERT_NE(download, nullptr);
    EXPECT_EQ(download->toolTip(), QStringLiteral("Next BDF check at Norvane"));
    EXPECT_EQ(window.statusBar()->findChildren<QLabel*>().size(), 5);

    window.hooks().readNextCheck = [] { return QStringLiteral("-1"); };
    showLoaded();
    EXPECT_EQ(download->text(), QStringLiteral(" Next check: N/A "));
    EXPECT_FALSE(download->isEnabled());
    EXPECT_TRUE(window.statusTimer().isActive());
    EXPECT_EQ(window.statusTimer().interval(), 20000);
}

TEST_F(MainWindowTest, FirstRunTakesThreeQuartersOfTheScreen) {
    showLoaded();
    const QRect screen = screenPixels();
    EXPECT_NEAR(window.width(), screen.width() * 0.75, 2);
    EXPECT_NEAR(window.height(), screen.height() * 0.75, 2);
    const PaneLayout& layout = window.paneLayout();
    EXPECT_NEAR(layout.horizontal(), layout.height() * 0.6, 2);
}

TEST_F(MainWindowTest, StoredPlacementIsRestoredAndStoredAgain) {
    {
        QSettings s = settings();
        s.setValue("Settings/MainLeft", "1500");
        s.setValue("Settings/MainTop", "1500");
        s.setValue("Settings/MainWidth", "9000");
        s.setValue("Settings/MainHeight", "7500");
        s.setValue("Settings/SplitBrowser", "100");  // too far left
        s.setValue("Settings/Horizontal", "3000");
    }
    showLoaded();
    const TwipScale& scale = window.twipScale();
    EXPECT_EQ(window.width(), scale.toPixels(9000));
    EXPECT_EQ(window.paneLayout().splitBrowser(), 1500);
    EXPECT_NEAR(window.paneLayout().horizontal(), 3000, 15);

    window.resize(20, window.height());  // narrower than allowed
    QApplication::processEvents();
    EXPECT_EQ(window.width(), scale.toPixels(3000));

    window.hooks().closeFile = [](bool, bool) { return true; };
    EXPECT_TRUE(window.close());
    QSettings s = settings();
    EXPECT_EQ(s.value("Settings/SplitBrowser").toString(), QStringLiteral("1500"));
    EXPECT_EQ(s.value("Settings/MainWidth").toString(),
              QString::number(scale.toTwips(scale.toPixels(3000))));
    EXPECT_EQ(s.value("Settings/WinState").toString(), QStringLiteral("0"));
}

TEST_F(MainWindowTest, DraggingASplitterFarLeftLeavesTheMinimumPane) {
    showLoaded();
    auto* handle = window.findChild<QWidget*>("imgSplitter");
    ASSERT_NE(handle, nullptr);
    const QPoint grab(handle->width() / 2, handle->height() / 2);
    QTest::mousePress(handle, Qt::LeftButton, {}, grab);
    QMouseEvent move(QEvent::MouseMove, QPointF(-handle->x() - 50, grab.y()),
                     handle->mapToGlobal(QPointF(-handle->x() - 50, grab.y())), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(handle, &move);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(-handle->x() - 50, grab.y()));
    EXPECT_EQ(window.paneLayout().splitBrowser(), PaneLayout::kMinimumPaneWidth);
    EXPECT_EQ(window.pane(commands::Pane::BrowserTree)->width(), window.twipScale().toPixels(1500));
}

TEST_F(MainWindowTest, MaximisedWindowRestoresMaximisedThenToItsShare) {
    settings().setValue("Settings/MainWidth", "9000");
    settings().setValue("Settings/WinState", "2");
    showLoaded();
    EXPECT_TRUE(window.isMaximized());
    EXPECT_TRUE(window.startedMaximised());
    window.showNormal();
    QTest::qWait(50);
    const QRect screen = screenPixels();
    EXPECT_NEAR(window.width(), screen.width() * 0.75, 2);
    EXPECT_NEAR(window.height(), screen.height() * 0.8, 2);
    EXPECT_FALSE(window.startedMaximised());
}

TEST_F(MainWindowTest, UnloadHonoursCancelAndTheWaitingProgram) {
    bool answer = false;
    QStringList released;
    window.hooks().closeFile = [&answer](bool, bool) { return answer; };
    window.hooks().releaseInternalData = [&released] { released << "intdata"; };
    showLoaded();

    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    answer = true;
    window.setLaunchWaitInProgress(true);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(released.isEmpty());
    EXPECT_FALSE(settings().contains("Settings/MainWidth"));

    window.setLaunchWaitInProgress(false);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(released, QStringList{"intdata"});
    EXPECT_TRUE(settings().contains("Settings/MainWidth"));
}

TEST_F(MainWindowTest, MenuStateReachesTheWidgets) {
    auto* quickFind = window.findChild<QComboBox*>("miBrowsersQuickFind");
    window.commandBar().setQuickFind({{"Opera"}, "Opera", true});
    EXPECT_EQ(quickFind->count(), 1);

    window.SetMenuState(false);
    EXPECT_FALSE(window.findChild<QAction*>("miFileSaveAs")->isEnabled());
    EXPECT_TRUE(window.findChild<QAction*>("miFileOpen")->isEnabled());
    EXPECT_EQ(quickFind->count(), 0);
    EXPECT_FALSE(quickFind->isEnabled());

    window.SetMenuState(true);
    EXPECT_TRUE(window.findChild<QAction*>("miFileSaveAs")->isEnabled());
    EXPECT_FALSE(window.findChild<QAction*>("miFileSave")->isEnabled());
    EXPECT_TRUE(quickFind->isEnabled());
}

TEST_F(MainWindowTest, CommandsAndDeleteGoThroughTheDispatcher) {
    QStringList ran;
    for (const char* name : {"miBrowsersDelete", "miPropertiesRemove", "miFiltersAdd"})
        window.dispatcher().registerOperation(name, [&ran, name] { ran << name; });
    showLoaded();
    // Without an open file the commands that need one are off; a loaded file turns them on.
    EXPECT_FALSE(window.findChild<QAction*>("miFiltersAdd")->isEnabled());
    EXPECT_TRUE(window.findChild<QAction*>("miFileOpen")->isEnabled());
    window.SetMenuState(true);

    window.findChild<QAction*>("miFiltersAdd")->trigger();
    window.pane(commands::Pane::PropertyList)->setFocus();
    QTest::keyClick(window.pane(commands::Pane::PropertyList), Qt::Key_Delete);
    window.pane(commands::Pane::BrowserTree)->setFocus();
    QTest::keyClick(window.pane(commands::Pane::BrowserTree), Qt::Key_Delete);
    EXPECT_EQ(ran, QStringList({"miFiltersAdd", "miPropertiesRemove", "miBrowsersDelete"}));

    window.findChild<QAction*>("miFileCompact")->trigger();
    EXPECT_EQ(ui.messageTexts(), QStringList{"Not yet implemented"});
}

}  // namespace
}  // namespace sentrel::editor
