#include <gtest/gtest.h>

// Readable Qt values; every test file of the program includes it, so that all agree.
#include "editing/QtPrinters.h"

#include "ApacheTree.h"
#include "registry/mdlRegistry.h"
#include "reporting/OptionStore.h"
#include "reporting/ReportingTabs.h"
#include "reporting/webdirs/WebDirectorySelect.h"
#include "shell/ScriptedInteraction.h"
#include "support/MessagePrinter.h"

using namespace sentrel;

namespace {

// "S&elect ..." beside the web directory of the Reporting Options tab, with the dialog
// driven as a user would drive it.
class WebDirectoryFieldTest : public ::testing::Test {
  protected:
    WebDirectoryFieldTest() {
        tree.addSite("reports.example", www, {{"/srws", srws}});
        tabs.setApacheSetup(tree.setup());
        options.srwsLocalWebAddress = "http://reports.example";
        options.srwsURL = "http://reports.example/old/";
        tabs.loaded();
    }

    // The user picks `node` of the reports site and presses "&Select" (or "&Cancel").
    void choose(const QStringList& node, bool select = true) {
        host.showWebDirectorySelect = [node, select](webdirs::WebDirectorySelect& dialog) {
            dialog.load();
            dialog.chooseSite(1);
            dialog.clickNode(node);
            if (select ? dialog.select() : dialog.cancel()) return;
            ADD_FAILURE() << "the dialog stayed open";
        };
        tabs.selectWebDirectory();
    }

    test::ApacheTree tree;
    QString www = tree.scratch("www");
    QString srws = tree.scratch("srws");
    ScriptedInteraction ui;
    reg::mdlRegistry registry{ui, reg::KeyStore(tree.scratch("registry"))};
    OptionStore options{registry, tree.scratch("base")};
    OptionsHost host;
    ReportingTabs tabs{options, ui, host};
};

}  // namespace

TEST_F(WebDirectoryFieldTest, TheChosenDirectoryFillsTheBoxAndTheUrl) {
    ui.answerMessage(MsgAnswer::No);
    choose({"Root"});
    EXPECT_EQ(options.srwsInstallPath, www);
    EXPECT_EQ(options.srwsURL, "http://reports.example/") << "Root gives web address + \"/\"";
    EXPECT_EQ(tabs.virtualPath(), "/");

    ui.answerMessage(MsgAnswer::No);
    choose({"Root", "srws"});
    EXPECT_EQ(options.srwsInstallPath, srws);
    EXPECT_EQ(options.srwsURL, "http://reports.example/srws/");
    // Typing the web address again keeps the chosen path.
    tabs.webAddressChanged("http://www.example.org");
    EXPECT_EQ(options.srwsURL, "http://www.example.org/srws/");
    ASSERT_EQ(ui.messages().size(), 4);
    EXPECT_EQ(ui.messages()[1].title, "Reminder");
}

TEST_F(WebDirectoryFieldTest, CancellingKeepsTheFieldsAsTheyWere) {
    choose({"Root", "srws"}, false);
    EXPECT_EQ(options.srwsInstallPath, "");
    EXPECT_EQ(options.srwsURL, "http://reports.example/old/");
    EXPECT_TRUE(ui.messages().isEmpty());
}

TEST_F(WebDirectoryFieldTest, TheTypedDirectoryReminderIsLeftOutAfterTheDialogsSelect) {
    ui.answerMessage(MsgAnswer::No);
    choose({"Root", "srws"});
    ui.clear();
    options.srwsInstallPath = www;
    EXPECT_TRUE(tabs.leaveWebDirectory());
    EXPECT_TRUE(ui.messages().isEmpty()) << "the dialog checked the permissions";

    // After a cancelled dialog the directory typed by hand gets the reminder.
    choose({"Root"}, false);
    options.srwsInstallPath = srws;
    EXPECT_TRUE(tabs.leaveWebDirectory());
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages()[0].title, "Check required permissions");
}
