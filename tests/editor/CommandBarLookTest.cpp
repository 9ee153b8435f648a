#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QIcon>
#include <QTest>
#include <QToolBar>

#include "editor/CommandIcons.h"
#include "editor/frmMain.h"
#include "shell/ScriptedInteraction.h"

namespace sentrel::editor {
namespace {

// How the command bar looks and reads: icons, tool tips, shortcuts and a toolbar that fits.
class CommandBarLookTest : public ::testing::Test {
  protected:
    QAction* action(const char* name) { return window.findChild<QAction*>(name); }
    QToolBar* standard() { return window.findChild<QToolBar*>("Standard"); }

    ScriptedInteraction ui;
    frmMain window{ui};
};

TEST_F(CommandBarLookTest, ToolbarAndMenuCommandsHaveIconsThatStaySharpOnHighDensityScreens) {
    for (QAction* button : standard()->actions()) {
        if (button->isSeparator()) continue;
        EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
    }
    for (const char* name : {"miFileSaveAs", "miFileClose", "miFileExport", "miFileExit",
                             "miBrowsersDelete", "miPropertiesRemove", "miHelpAbout"})
        EXPECT_FALSE(action(name)->icon().isNull()) << name;
    // Drawn from the SVG at the screen's scale, not blown up from a small bitmap.
    const QPixmap twice = action("miFileOpen")->icon().pixmap(QSize(24, 24), 2.0);
    EXPECT_EQ(twice.size(), QSize(48, 48));
    EXPECT_EQ(twice.devicePixelRatio(), 2.0);
}

TEST_F(CommandBarLookTest, EveryNamedIconHasItsOwnFallback) {
    for (const QString& tool : window.commandBar().toolNames()) {
        const QString name = commands::iconNameFor(tool);
        if (name.isEmpty()) continue;
        EXPECT_TRUE(QFile::exists(commands::fallbackIconPath(name))) << name.toStdString();
        EXPECT_FALSE(QIcon(commands::fallbackIconPath(name)).pixmap(32).isNull())
            << name.toStdString();
    }
}

TEST_F(CommandBarLookTest, ToolTipsNameTheCommandAndItsShortcut) {
    const std::pair<const char*, const char*> expected[] = {
        {"miFileOpen", "Open (Ctrl+O)"},      {"miFileSaveAs", "Save As (Ctrl+Shift+S)"},
        {"miBrowsersAdd", "Add browser"},     {"miPropertiesChange", "Change property"},
        {"miViewHitTest", "Hit tester (F5)"}, {"miHelpContents", "Help (F1)"},
        {"miFileCompact", "Compact"}};
    for (const auto& [name, tip] : expected) EXPECT_EQ(action(name)->toolTip(), tip) << name;
    for (QAction* button : standard()->actions()) {
        if (button->isSeparator()) continue;
        EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
    }
}

TEST_F(CommandBarLookTest, StandardShortcutsReachTheirCommands) {
    const std::pair<const char*, const char*> keys[] = {
        {"miFileOpen", "Ctrl+O"},  {"miFileSave", "Ctrl+S"}, {"miFileSaveAs", "Ctrl+Shift+S"},
        {"miFileClose", "Ctrl+W"}, {"miFileExit", "Ctrl+Q"}, {"miHelpContents", "F1"},
        {"miViewHitTest", "F5"}};
    for (const auto& [name, key] : keys)
        EXPECT_EQ(action(name)->shortcut(), QKeySequence(QString::fromLatin1(key))) << name;
}

// Text beside the icons where there is room; icons alone on a narrow window; never a
// toolbar wider than its window (its last buttons would hide behind an overflow arrow).
TEST_F(CommandBarLookTest, TheToolbarFitsTheWindowWidth) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const std::pair<int, Qt::ToolButtonStyle> widths[] = {
        {700, Qt::ToolButtonIconOnly},        {1280, Qt::ToolButtonTextUnderIcon},
        {1900, Qt::ToolButtonTextBesideIcon}, {1280, Qt::ToolButtonTextUnderIcon},
        {700, Qt::ToolButtonIconOnly},        {1900, Qt::ToolButtonTextBesideIcon}};
    for (const auto& [width, style] : widths) {
        window.resize(width, 700);
        QCoreApplication::processEvents();
        EXPECT_EQ(standard()->toolButtonStyle(), style) << width;
        EXPECT_LE(standard()->sizeHint().width(), window.width()) << width;
    }
}

}  // namespace
}  // namespace sentrel::editor
