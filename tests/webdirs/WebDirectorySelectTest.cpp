#include <gtest/gtest.h>

// Readable Qt values; every test file of the program includes it, so that all agree.
#include "editing/QtPrinters.h"

#include <QDir>
#include <QFile>

#include "ApacheTree.h"
#include "reporting/webdirs/Directory.h"
#include "reporting/webdirs/WebDirectorySelect.h"
#include "reporting/webdirs/WebServer.h"
#include "shell/ScriptedInteraction.h"
#include "support/MessagePrinter.h"

using namespace sentrel;
using namespace sentrel::webdirs;

namespace {

const MessageRequest kPermissionQuestion{
    "Execute permissions required",
    "This virtual directory does not have execute permissions which are required to run the SN "
    "Reports Web Service.  Do you want Sentrel  to add execute permissions to this virtual "
    "directory for you?\r\rIf so, click 'Yes'.  Otherwise, to keep this selection but make the "
    "permission change yourself by editing the Apache httpd configuration click 'No', or click "
    "'Cancel' to pick another virtual directory. Note: You can also edit the Apache httpd "
    "configuration to create a new virtual directory dedicated to the Reports service, then "
    "return here to choose that directory.",
    MsgIcon::Question, MsgButtons::YesNoCancel, 2};

const MessageRequest kReminder{
    "Reminder",
    "Your directory choice has been saved for you.\r\rPlease edit the Apache httpd configuration "
    "now to enable execute permissions on this directory, then reload Apache.  You must do so "
    "before the Reports Service will respond to any requests and record statistics.\r\rIf you "
    "wish to have Sentrel make this permission change for you, or to choose a different virtual "
    "directory, press the 'Select' button again on the next screen.",
    MsgIcon::Exclamation, MsgButtons::OK, 1};

// A site "reports.example" whose root and "/srws" are folders of the test; the default
// site of Debian's tree comes first.
class WebDirectorySelectTest : public ::testing::Test {
  protected:
    WebDirectorySelectTest() { tree.addSite("reports.example", www, {{"/srws", srws}}); }

    // The dialog loaded, with the reports site chosen.
    WebDirectorySelect& loadedOnReports() {
        dialog.load();
        dialog.chooseSite(1);
        return dialog;
    }

    test::ApacheTree tree;
    QString www = tree.scratch("www");
    QString srws = tree.scratch("srws");
    QString keyStore = tree.scratch("registry");
    ScriptedInteraction ui;
    bool closedWithSelect = true;
    WebDirectorySelect dialog{ui, tree.setup(keyStore), closedWithSelect};
};

}  // namespace

TEST_F(WebDirectorySelectTest, RootGivesSlashAndADirectoryBelowItsNameBetweenSlashes) {
    dialog.load();
    EXPECT_FALSE(closedWithSelect) << "loading clears the flag";
    EXPECT_EQ(dialog.sites().texts, QStringList({"*:80", "reports.example"}));
    EXPECT_EQ(dialog.sites().itemData, QList<int>({1, 2}));
    EXPECT_EQ(dialog.sites().current, 0);

    dialog.chooseSite(1);
    ASSERT_EQ(dialog.tree().size(), 1);
    const WebDirNode& root = dialog.tree().first();
    EXPECT_EQ(root.key, "Root");
    ASSERT_EQ(root.children.size(), 2);
    EXPECT_EQ(root.children[0].key, "srws");
    EXPECT_EQ(root.children[1].key, "icons");
    EXPECT_EQ(dialog.currentNode(), QStringList{"Root"});
    EXPECT_EQ(dialog.physicalPath(), www);
    EXPECT_EQ(dialog.urlPath(), "/");
    EXPECT_EQ(dialog.status(), "Press 'Select' for Root");

    dialog.clickNode({"Root", "srws"});
    EXPECT_EQ(dialog.physicalPath(), srws);
    EXPECT_EQ(dialog.urlPath(), "/srws/");
    EXPECT_EQ(dialog.status(), "Press 'Select' for srws");

    dialog.chooseSite(-1);
    EXPECT_TRUE(dialog.tree().isEmpty());
    EXPECT_EQ(dialog.physicalPath(), "");
    EXPECT_EQ(dialog.urlPath(), "");
    EXPECT_TRUE(ui.messages().isEmpty());
}

TEST_F(WebDirectorySelectTest, NoKeepsTheChoiceAndShowsTheReminderCancelKeepsTheDialogOpen) {
    loadedOnReports().clickNode({"Root", "srws"});
    const auto before = tree.snapshot();

    ui.answerMessage(MsgAnswer::Cancel);
    EXPECT_FALSE(dialog.select()) << "Cancel keeps the dialog open";
    EXPECT_FALSE(closedWithSelect);
    EXPECT_EQ(dialog.physicalPath(), srws) << "on the same selection";
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{kPermissionQuestion});
    ui.clear();

    ui.answerMessage(MsgAnswer::No);
    EXPECT_TRUE(dialog.select());
    EXPECT_TRUE(closedWithSelect);
    EXPECT_FALSE(dialog.cancelled());
    EXPECT_EQ(dialog.physicalPath(), srws);
    EXPECT_EQ(dialog.urlPath(), "/srws/");
    EXPECT_EQ(ui.messages(), QList<MessageRequest>({kPermissionQuestion, kReminder}));
    EXPECT_EQ(tree.snapshot(), before) << "No changes nothing of Apache's configuration";
}

TEST_F(WebDirectorySelectTest, CancelClosesWithoutAskingAndADirectoryWithPermissionIsNotAsked) {
    loadedOnReports();
    EXPECT_TRUE(dialog.cancel());
    EXPECT_TRUE(dialog.cancelled());
    EXPECT_FALSE(closedWithSelect);

    tree.enable("mods", "cgid.load");
    dialog.load();
    dialog.chooseSite(0);
    dialog.clickNode({"Root", "cgi-bin"});
    EXPECT_EQ(dialog.physicalPath(), "/usr/lib/cgi-bin");
    EXPECT_TRUE(dialog.select());
    EXPECT_TRUE(ui.messages().isEmpty());
}

TEST_F(WebDirectorySelectTest, YesWritesOurSnippetThatApacheAcceptsAndGrantsExecute) {
    loadedOnReports().clickNode({"Root", "srws"});
    ui.answerMessage(MsgAnswer::Yes);
    EXPECT_TRUE(dialog.select());
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{kPermissionQuestion});

    EXPECT_EQ(QString(test::TempDir::read(tree.root() + "/conf-available/sentrel-srws.conf")),
              "# Sentrel Reports Web Service: written at each deployment of the service.\n"
              "<LocationMatch \"(?i)^\\/srws\\/(norvanesrws|norvanesvr)\\.dll$\">\n"
              "    Alias \"" +
                  srws +
                  "/NorvaneSRWS.dll\"\n"
                  "</LocationMatch>\n"
                  "<Directory \"" +
                  srws +
                  "\">\n"
                  "    Options +ExecCGI\n"
                  "    <FilesMatch \"(?i)^(norvanesrws|norvanesvr)\\.dll$\">\n"
                  "        SetHandler cgi-script\n"
                  "    </FilesMatch>\n"
                  "    SetEnv SENTREL_REGISTRY \"" +
                  keyStore +
                  "\"\n"
                  "    SetEnv SENTREL_SRWS_POSTGRES \"/opt/sentrel/srws/sentrel-srws-postgres\"\n"
                  "</Directory>\n");
    EXPECT_EQ(QFile::symLinkTarget(tree.root() + "/conf-enabled/sentrel-srws.conf"),
              tree.root() + "/conf-available/sentrel-srws.conf");
    EXPECT_EQ(QFile::symLinkTarget(tree.root() + "/mods-enabled/cgid.load"),
              tree.root() + "/mods-available/cgid.load")
        << "a2enmod picks cgid under the event MPM";

    WebService reread(tree.setup());
    reread.OpenService("localhost");
    EXPECT_TRUE(reread.WebServers()
                    .Item("reports.example")
                    ->LocateDirectory({"Root", "srws"})
                    ->HasExecutePermission());
    EXPECT_FALSE(reread.WebServers()
                     .Item("reports.example")
                     ->LocateDirectory({"Root"})
                     ->HasExecutePermission());
}

TEST_F(WebDirectorySelectTest, AConfigurationApacheRefusesIsRolledBackByteForByte) {
    // A directive httpd does not know: this reading skips it, httpd's check refuses it.
    tree.write("conf-available/typo.conf", "ServerTokns Prod\n");
    tree.enable("conf", "typo.conf");
    // An earlier deployment's snippet, to be kept as it was.
    tree.write("conf-available/sentrel-srws.conf", "# earlier\n");
    QFile::setPermissions(tree.root() + "/conf-available/sentrel-srws.conf",
                          QFile::ReadOwner | QFile::WriteOwner);
    const auto before = tree.snapshot();

    loadedOnReports().clickNode({"Root", "srws"});
    ui.answerMessage(MsgAnswer::Yes);
    EXPECT_FALSE(dialog.select()) << "the dialog stays open to choose otherwise";
    EXPECT_EQ(tree.snapshot(), before);
    ASSERT_EQ(ui.messages().size(), 2);
    const MessageRequest refused = ui.messages()[1];
    EXPECT_EQ(refused.title, "Unable to checking or set web directory permissions");
    EXPECT_TRUE(
        refused.text.startsWith("Error Apache httpd refused the configuration "
                                "(apache2ctl -t): "))
        << refused.text.toStdString();
    EXPECT_TRUE(refused.text.contains("ServerTokns"));
    EXPECT_TRUE(
        refused.text.endsWith(": 1004\r\n\r\nUnable to checking or set web directory "
                              "permissions"));
    EXPECT_EQ(refused.buttons, MsgButtons::OK);
    EXPECT_EQ(refused.icon, MsgIcon::None);
}

TEST_F(WebDirectorySelectTest, WithoutApacheTheLoadErrorIsShownAndNoSiteOffered) {
    webdirs::ApacheSetup setup = tree.setup();
    setup.configRoot = tree.scratch("no-apache");
    WebDirectorySelect none(ui, setup, closedWithSelect);
    none.load();
    const QString situation = "Unexpected error trying to load web directories form";
    const MessageRequest loadError{situation,
                                   "Error Apache httpd configuration not found: " +
                                       setup.configRoot + "/apache2.conf: 53\r\n\r\n" + situation,
                                   MsgIcon::None, MsgButtons::OK, 1};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{loadError});
    EXPECT_EQ(none.sites().count(), 0);
    EXPECT_TRUE(none.tree().isEmpty());
    EXPECT_TRUE(none.select()) << "nothing chosen, nothing asked";
    EXPECT_EQ(none.physicalPath(), "");
}

TEST_F(WebDirectorySelectTest, AnUnreadableConfigurationPartShowsThePermissionErrorAndTheRest) {
    tree.write("conf-available/private.conf", "Alias /secret /srv/secret\n");
    tree.enable("conf", "private.conf");
    // httpd's configuration readable by root only; the dialog runs as "nobody".
    class Nobody : public reg::KeyFileSystem {
      public:
        explicit Nobody(QString denied) : denied_(std::move(denied)) {}
        int readFile(const QString& path, QByteArray& content) const override {
            return path == denied_ ? reg::ERROR_ACCESS_DENIED
                                   : KeyFileSystem::readFile(path, content);
        }
        QString denied_;
    };
    webdirs::ApacheSetup setup = tree.setup();
    const QString denied = tree.root() + "/conf-enabled/private.conf";
    setup.files = std::make_shared<Nobody>(denied);
    WebDirectorySelect partial(ui, setup, closedWithSelect);
    partial.load();
    const QString situation =
        "Permission error. One possible cause is that you are not running as root and do not "
        "have elevated privileges. Try exiting this program and relauching it as root, for "
        "example with sudo.";
    const MessageRequest unreadable{situation,
                                    "Error Could not read " + denied + ": 70\r\n\r\n" + situation,
                                    MsgIcon::None, MsgButtons::OK, 1};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{unreadable});
    EXPECT_EQ(partial.sites().texts, QStringList({"*:80", "reports.example"}));
}
