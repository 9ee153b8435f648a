#include <gtest/gtest.h>

#include <QFile>

#include "document/Document.h"
#include "editor/frmMain.h"
#include "editor/lifecycle/MainWindowLifecycle.h"
#include "shell/ScriptedInteraction.h"
#include "support/TempDir.h"

namespace sentrel::test {
namespace {

// The lifecycle in the real main window: File commands, title, panels and the recent-file
// entries of the File menu.
TEST(MainWindowLifecycleTest, FileCommandsDriveTheWindow) {
    TempDir dir;
    const QString file = dir.file(QStringLiteral("a.bdf"));
    QFile::copy(QStringLiteral(SENTREL_TEMPLATE), file);
    dir.write(QStringLiteral("a.mrg"), {});
    dir.write(QStringLiteral("a.bdd"), {});
    ScriptedInteraction ui;
    editor::frmMain window(ui);
    auto internal = doc::Document::create();
    lifecycle::MainWindowLifecycle wiring(ui, window, [&] { return &internal->lru().bdfName; });
    wiring.setBaseDirectory(dir.path());
    wiring.lifecycle().recentDocuments().setListPath(dir.file(QStringLiteral("recent.xbel")));

    ui.answerFile(file);
    window.dispatcher().dispatch(QStringLiteral("miFileOpen"));
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Sentrel  - ") + file);
    EXPECT_EQ(window.statusPanels().text(QStringLiteral("Version")),
              QStringLiteral(" BDF Version: 1.00  "));
    EXPECT_FALSE(window.commandBar().isEnabled(QStringLiteral("miFileSave")));
    EXPECT_TRUE(window.commandBar().isEnabled(QStringLiteral("miFileSaveAs")));

    const editor::CommandBand* band = window.commandBar().band(QStringLiteral("File"));
    const int entry = band->indexOf(QStringLiteral("miFile1"));
    ASSERT_GE(entry, 0);
    EXPECT_EQ(band->indexOf(QStringLiteral("miFileExit")), entry + 1);
    EXPECT_TRUE(band->entries[entry].beginGroup);
    EXPECT_EQ(window.commandBar().tool(QStringLiteral("miFile1"))->caption,
              QStringLiteral("&1 ") + file);
    EXPECT_EQ(window.commandBar().tool(QStringLiteral("miFile1"))->id, 25001);

    window.dispatcher().dispatch(QStringLiteral("miFileClose"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Sentrel"));
    EXPECT_FALSE(window.commandBar().isEnabled(QStringLiteral("miFileSaveAs")));
    window.dispatcher().dispatch(QStringLiteral("miFile1"));
    EXPECT_EQ(wiring.lifecycle().state().currentFile, file);
    EXPECT_TRUE(ui.messages().isEmpty());
}

}  // namespace
}  // namespace sentrel::test
