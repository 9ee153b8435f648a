#include <gtest/gtest.h>

#include "editor/CommandBar.h"
#include "editor/CommandDispatcher.h"
#include "editor/CommandTable.h"
#include "editor/MenuState.h"
#include "shell/ScriptedInteraction.h"

namespace sentrel::editor {
namespace {

const QStringList kExempt = {"miFileNew", "miFileOpen", "miFileExit", "miHelpContents",
                             "miHelpAbout", "miSpecialProgramOptions", "miSpecialDownload",
                             "miSpecialUpload", "miSpecialWhatsNew", "miSpecialRunSetupWizard",
                             "miSpecialMerge",
                             // Undo, redo and the history follow the undo history instead.
                             "miEditUndo", "miEditRedo", "miViewUndoHistory"};

class CommandsTest : public ::testing::Test {
  protected:
    CommandsTest() {
        commands::populate(bar);
        dispatcher.setCaptionLookup([this](const QString& tool) {
            const CommandTool* t = bar.tool(tool);
            return t ? t->caption : QString();
        });
    }

    QStringList menuTools() const {
        QStringList names;
        for (const CommandBand* band : bar.menuBands()) names << band->toolNames();
        return names;
    }

    CommandBar bar;
    ScriptedInteraction ui;
    CommandDispatcher dispatcher{ui, QStringLiteral("Sentrel")};
};

TEST_F(CommandsTest, TableHasTheMenusAndCaptions) {
    EXPECT_EQ(bar.tool("miHelpContents")->caption, QStringLiteral("&Contents && Index..."));
    EXPECT_EQ(bar.tool("miSpecialDownload")->caption,
              QStringLiteral("&Download latest definitions from Norvane..."));
    EXPECT_EQ(bar.tool(commands::kQuickFind)->caption, QStringLiteral("Quick find:"));
    EXPECT_EQ(bar.band("File")->toolNames().last(), QStringLiteral("miFileExit"));
    EXPECT_EQ(bar.band(commands::kStandardBand)->entries.size(), 16);
    EXPECT_EQ(bar.band("Edit")->toolNames(), QStringList({"miEditUndo", "miEditRedo"}));
    EXPECT_EQ(bar.band("View")->toolNames().last(), "miViewUndoHistory");
    EXPECT_EQ(bar.tool("miEditRedo")->shortcut, "Ctrl+Shift+Z; Ctrl+Y");
    // Tools without an action are kept by name but not shown.
    EXPECT_FALSE(bar.tool("miSpecialUpload")->visible);
    EXPECT_FALSE(bar.tool("miOptionsDownloadDefinitions")->visible);
    // Identifiers are unique and stay clear of the recent-file range.
    QSet<int> ids;
    for (const QString& name : bar.toolNames()) {
        const int id = bar.tool(name)->id;
        EXPECT_FALSE(id >= commands::kRecentFileIdBase && id <= commands::kRecentFileIdLast);
        if (id) {
            EXPECT_FALSE(ids.contains(id)) << name.toStdString();
        }
        ids.insert(id);
    }
}

TEST_F(CommandsTest, EveryToolRoutesToItsOperationOrSaysNotYetImplemented) {
    QStringList ran;
    const QStringList all = bar.toolNames();
    for (int i = 0; i < all.size(); i += 2)
        dispatcher.registerOperation(all[i], [&ran, name = all[i]] { ran << name; });
    for (const QString& name : all) dispatcher.dispatch(name);
    QStringList expected;
    for (int i = 0; i < all.size(); i += 2) expected << all[i];
    EXPECT_EQ(ran, expected);

    const int unregistered = all.size() / 2;
    ASSERT_EQ(ui.messages().size(), unregistered);
    const MessageRequest m = ui.messages().front();
    EXPECT_EQ(m.text, QStringLiteral("Not yet implemented"));
    EXPECT_EQ(m.title, QStringLiteral("Sentrel"));
    EXPECT_EQ(m.buttons, MsgButtons::OK);

    ui.clear();
    dispatcher.dispatch(QStringLiteral("miNoSuchTool"));
    EXPECT_EQ(ui.messageTexts(), QStringList{"Not yet implemented"});
}

TEST_F(CommandsTest, RecentFileToolsOpenTheirCaptionLessThreeCharacters) {
    QStringList opened;
    dispatcher.registerRecentFile([&opened](const QString& path) { opened << path; });
    bar.insertTool("File", 7, {"miFile1", "&1 /data/my defs.bdf", 25001, QString()}, true);
    dispatcher.dispatch("miFile1");
    EXPECT_EQ(opened, QStringList{"/data/my defs.bdf"});
    EXPECT_FALSE(commands::isRecentFileTool("miFile10"));
    EXPECT_FALSE(commands::isRecentFileTool("miFileNew"));
    // A registered name wins over the pattern.
    dispatcher.registerOperation("miFile1", [&opened] { opened << "own"; });
    dispatcher.dispatch("miFile1");
    EXPECT_EQ(opened.last(), QStringLiteral("own"));
}

TEST_F(CommandsTest, SetMenuStateFollowsTheOpenFile) {
    bar.insertTool("File", 7, {"miFile1", "&1 /a.bdf", 25001, QString()}, true);
    bar.setEnabled("miFile1", true);
    bar.setQuickFind({{"Opera", "Firefox"}, "Fire", true});

    SetMenuState(bar, false);
    for (const QString& name : menuTools()) {
        const bool exempt = kExempt.contains(name) || name == QLatin1String("miFile1");
        EXPECT_EQ(bar.isEnabled(name), exempt) << name.toStdString();
    }
    EXPECT_EQ(bar.quickFind().items, QStringList());
    EXPECT_TRUE(bar.quickFind().text.isEmpty());
    EXPECT_FALSE(bar.quickFind().enabled);

    for (const QString& name : kExempt) bar.setEnabled(name, false);
    SetMenuState(bar, true);
    for (const QString& name : menuTools()) {
        const bool on = !kExempt.contains(name) && name != QLatin1String("miFileSave");
        EXPECT_EQ(bar.isEnabled(name), on || name == QLatin1String("miFile1"))
            << name.toStdString();
    }
    EXPECT_TRUE(bar.quickFind().enabled);
    EXPECT_TRUE(bar.isEnabled(commands::kQuickFind));
}

TEST_F(CommandsTest, InsertedToolsCanBeRemovedAgain) {
    int changes = 0;
    QObject::connect(&bar, &CommandBar::bandChanged, [&changes] { ++changes; });
    bar.insertTool("File", 99, {"miFile1", "&1 a", 25001, QString()}, true);
    EXPECT_EQ(bar.band("File")->toolNames().last(), QStringLiteral("miFile1"));
    EXPECT_TRUE(bar.band("File")->entries.last().beginGroup);
    bar.removeTool("File", "miFile1");
    EXPECT_FALSE(bar.hasTool("miFile1"));
    EXPECT_EQ(changes, 2);
}

TEST(DeleteKey, ActsOnTheFocusedPane) {
    using commands::Pane;
    EXPECT_EQ(commands::deleteToolFor(Pane::BrowserTree), QStringLiteral("miBrowsersDelete"));
    EXPECT_EQ(commands::deleteToolFor(Pane::PropertyList), QStringLiteral("miPropertiesRemove"));
    EXPECT_EQ(commands::deleteToolFor(Pane::FilterList), QStringLiteral("miFiltersRemove"));
    EXPECT_TRUE(commands::deleteToolFor(Pane::None).isEmpty());
}

}  // namespace
}  // namespace sentrel::editor
