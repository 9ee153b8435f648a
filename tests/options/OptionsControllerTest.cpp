#include <gtest/gtest.h>

#include "OptionsFixture.h"
#include "registry/KeyFileSystem.h"
#include "registry/KeyStore.h"
#include "reporting/CacheFieldText.h"
#include "reporting/OptionsTab.h"
#include "reporting/PreferencesCommand.h"
#include "reporting/SrwsUrl.h"

namespace sentrel::test {
namespace {

using Controller = OptionsFixture;

constexpr int kCache = int(OptionsTab::Cache);
constexpr int kDatabase = int(OptionsTab::ReportsDatabase);

const MessageRequest kNewSettings{
    "New settings",
    "Please note that your changes to the Sentrel Reports options and database settings will "
    "not take effect until Apache is reloaded.",
    MsgIcon::Information};

// The key store's files as they are, except that a values file holding `refused` cannot be
// written: the write fails as on a full disk.
class RefusingFileSystem : public reg::KeyFileSystem {
  public:
    explicit RefusingFileSystem(QByteArray refused) : refused_(std::move(refused)) {}
    int writeFile(const QString& path, const QByteArray& content) override {
        if (content.contains(refused_)) return reg::ERROR_DISK_FULL;
        return KeyFileSystem::writeFile(path, content);
    }

  private:
    QByteArray refused_;
};

TEST_F(Controller, SetupWizardKeepsTheUserOnItsTabWithOneMessage) {
    wizard.wizardRunning = true;
    wizard.optionsTab = kCache;
    EXPECT_EQ(controller->activate(), kCache);
    EXPECT_EQ(controller->tabSelected(int(OptionsTab::Logging)), kCache);
    const MessageRequest finishWizard{
        "Please finish with Setup Wizard",
        "Please finish making your changes to the previous tab.  Once you have finished running "
        "the Setup Wizard, you can return here to make any other desired changes by choosing "
        "\"Preferences and Options\" from the Special menu.",
        MsgIcon::Information};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{finishWizard});
    EXPECT_EQ(wizard.optionsTab, kCache);

    wizard.wizardRunning = false;
    EXPECT_EQ(controller->tabSelected(int(OptionsTab::Logging)), int(OptionsTab::Logging));
    EXPECT_EQ(wizard.optionsTab, int(OptionsTab::Logging)) << "the next opening starts there";
}

TEST_F(Controller, ReportsDatabaseListsServersOnlyForThisServer) {
    EXPECT_EQ(controller->tabSelected(kDatabase), kDatabase);
    EXPECT_TRUE(controller->reportingFlags().serversListed);
    EXPECT_EQ(controller->reportingFlags().serverEntries,
              QStringList{"<<Type server name or address>>"});
    EXPECT_TRUE(ui.messages().isEmpty());
    controller->closed();

    store->srwsRemote = true;
    controller->tabSelected(kDatabase);
    wizard.optionsTab = kDatabase;
    controller->activate();
    EXPECT_FALSE(controller->reportingFlags().serversListed);
    const MessageRequest notConfigured{
        "SRWS not configured for this server",
        "Currently Sentrel is configured to use the Sentrel Reports Web Service (SRWS) running "
        "on a different server.\r\rSince the settings on this tab apply only when you are "
        "running the SRWS on this server, this tab is disabled.To enable this tab you must "
        "select the 'Run the Sentrel Reports Service on this server' option on the 'Reporting "
        "Options' tab.",
        MsgIcon::Information};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>(2, notConfigured));
}

TEST_F(Controller, ChangedUrlAloneAnnouncesNewSettingsAndGetsItsSlash) {
    store->rptProperties = "Browser,Version";
    store->srwsURL = "http://www.example.com/srws";
    ASSERT_TRUE(controller->ok().close);
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{kNewSettings});
    EXPECT_TRUE(optionsFile().contains("\"srwsURL\"=\"http://www.example.com/srws/\"\r\n") ||
                optionsFile().contains("\"srwsURL\"=\"http://www.example.com/srws/\"\n"));

    ui.clear();
    controller->closed();
    EXPECT_EQ(controller->virtualPath(), "/srws/");
    ASSERT_TRUE(controller->ok().close);
    EXPECT_TRUE(ui.messages().isEmpty()) << "the URL as loaded is the new one";
}

TEST_F(Controller, ReportingChecksStopOkBeforeAnythingIsWritten) {
    // A new URL and no properties: the question, once per run; Yes keeps the dialog open.
    store->srwsURL = "http://www.example.com/srws/";
    ui.answerMessage(MsgAnswer::Yes);
    EXPECT_FALSE(controller->ok().close);
    const MessageRequest noProperties{
        "No properties selected",
        "You have not selected any properties to be logged into the reporting database.  Would "
        "you like to do so now?\r\rIf not, be sure to set the properties to log in your code "
        "that calls Sentrel.",
        MsgIcon::Information,
        MsgButtons::YesNo,
        1,
        883};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{noProperties});
    EXPECT_TRUE(optionsFile().isEmpty());

    // Changed database settings: the verification's question; Cancel in its failure
    // message keeps the dialog open with nothing written.
    ui.clear();
    store->srwsURL = controller->loadedUrl();
    controller->reportingTabs().setDatabase("reports");
    ui.answerMessage(MsgAnswer::Yes);
    ui.answerMessage(MsgAnswer::Cancel);
    EXPECT_FALSE(controller->ok().close);
    ASSERT_EQ(ui.messages().size(), 2) << "the properties question is asked once per run";
    EXPECT_EQ(ui.messages()[0].title, "Test new settings?");
    EXPECT_EQ(ui.messages()[1].title, "Sentrel Reports Data Table Test");
    EXPECT_TRUE(optionsFile().isEmpty());
    ui.clear();

    wizard.reportingDeclined = true;
    store->srwsURL = "http://changed.example.com";
    EXPECT_TRUE(controller->ok().close);
    EXPECT_TRUE(ui.messages().isEmpty()) << "declined reporting skips every reporting check";
    EXPECT_TRUE(optionsFile().contains("\"srwsURL\"=\"http://changed.example.com\""));
}

TEST_F(Controller, ARefusedValueIsReportedAndEveryOtherValueWritten) {
    const QString root = dir.file("registry");
    registry.store() = reg::KeyStore(root, std::make_shared<RefusingFileSystem>("\"logFile\""));
    // A web directory chosen: OK deploys the service, which this installation lacks.
    store->srwsInstallPath = dir.path();
    webdirs::ApacheSetup apache;
    apache.configRoot = dir.file("apache2");
    controller->reportingTabs().setApacheSetup(apache);
    store->logFile = "/var/log/agents.out";
    store->srwsTableOwner = "dbo";

    EXPECT_FALSE(controller->ok().close) << "the dialog stays open with the refused edit";
    const MessageRequest refused{"Registry error",
                                 "Error #112 trying to write value logFile of key "
                                 "SOFTWARE\\Norvane\\Browser Editor\\1.0\\options.  Please "
                                 "notify support@sentrel-editor.org",
                                 MsgIcon::Critical};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{refused});
    EXPECT_FALSE(optionsFile().contains("logFile"));
    EXPECT_TRUE(optionsFile().contains("\"loggingType\"=dword:00000003"));
    EXPECT_TRUE(optionsFile().contains("\"srwsTableOwner\"=\"dbo\""));
    EXPECT_EQ(store->logFile, "/var/log/agents.out");
    // The web service is deployed at the OK that closes the dialog only.

    // OK again, once the store takes the value, writes it and closes.
    registry.store() = reg::KeyStore(root);
    EXPECT_TRUE(controller->ok().close);
    EXPECT_TRUE(optionsFile().contains("\"logFile\"=\"/var/log/agents.out\""));
    ASSERT_EQ(ui.messages().size(), 2);
    EXPECT_EQ(ui.messages()[1].title, "Sentrel Reports Web Service DLL not found");
}

TEST_F(Controller, OkWithoutFileLeavesTheStatusBarAndTheModifiedMarkAlone) {
    store->version.setMinorText("abc");  // disabled boxes are not looked at
    ASSERT_TRUE(controller->ok().close);
    EXPECT_TRUE(versionPanel.isEmpty());
    EXPECT_EQ(modifiedMarks, 0);
    EXPECT_TRUE(optionsFile().startsWith("\"loggingEnabled\"=dword:00000000"));
}

TEST_F(Controller, ChangedMinorVersionIsWrittenAndMarksTheFileModified) {
    openDocument(1, 4);
    controller->activate();
    ASSERT_TRUE(controller->ok().close);
    EXPECT_EQ(versionPanel, QStringList{" BDF Version: 1.04  "});
    EXPECT_EQ(modifiedMarks, 0) << "an unchanged version does not mark the file";

    controller->activate();
    store->version.setMinorText("5");
    ASSERT_TRUE(controller->ok().close);
    EXPECT_EQ(doc::internals::BDFMinorver(*document), 5);
    EXPECT_EQ(doc::internals::BDFMajorVer(*document), 1);
    EXPECT_EQ(versionPanel.last(), " BDF Version: 1.05  ");
    EXPECT_EQ(modifiedMarks, 1) << "marked within the step Undo can take back";
    EXPECT_EQ(editSteps, 2);
    controller->closed();
    EXPECT_EQ(store->version.minorText(), "05") << "reloaded from the document";
}

TEST_F(Controller, VersionThatIsNoSixteenBitNumberKeepsTheDialogOpen) {
    openDocument(2, 0);
    for (const char* text : {"abc", "40000", "-1", "1.5"}) {
        ui.clear();
        store->version.setMajorText(text);
        const OptionsController::OkResult result = controller->ok();
        EXPECT_FALSE(result.close) << text;
        EXPECT_EQ(result.showTab, int(OptionsTab::General));
        ASSERT_EQ(ui.messages().size(), 1);
        EXPECT_EQ(ui.messages()[0].title, "Invalid version number");
    }
    EXPECT_TRUE(optionsFile().isEmpty());
    EXPECT_EQ(doc::internals::BDFMajorVer(*document), 2);
}

TEST_F(Controller, CloseReloadsEveryOptionAndTheVersion) {
    openDocument(3, 7);
    store->perfMode = true;
    store->version.setMinorText("99");
    controller->closed();  // Cancel
    EXPECT_FALSE(store->perfMode);
    EXPECT_EQ(store->version.minorText(), "07");
    EXPECT_TRUE(optionsFile().isEmpty()) << "Cancel writes nothing";

    document.reset();
    controller->closed();
    EXPECT_FALSE(store->version.enabled());
    EXPECT_TRUE(store->version.majorText().isEmpty());
}

TEST_F(Controller, HelpOpensTheContextOfEachTab) {
    for (int tab = 0; tab < kOptionsTabCount; ++tab) controller->help(tab);
    EXPECT_EQ(helpContexts, (QList<int>{794, 888, 710, 1054, 1055}));
}

TEST_F(Controller, PreferencesCommandRefreshesOnlyForChangedDisplayWithFileOpen) {
    int refreshes = 0;
    bool fileOpen = true;
    bool toggle = false;
    PreferencesCommand command{store.get(), [&] { store->propShowSys ^= toggle; },
                               [&] { return fileOpen; }, [&] { ++refreshes; }};
    command();
    EXPECT_EQ(refreshes, 0);
    toggle = true;
    command();
    EXPECT_EQ(refreshes, 1);
    fileOpen = false;
    command();
    EXPECT_EQ(refreshes, 1);
}

TEST(CacheFieldText, BoxesThatHoldNoCacheNumberSaveTheDefault) {
    EXPECT_EQ(cacheFieldNumber("7200000", 1), 7200000);
    EXPECT_EQ(cacheFieldNumber(" 1e3 ", 1), 1000);
    EXPECT_EQ(cacheFieldNumber("0", 1), 0);
    for (const char* text : {"abc", "", "-5", "3000000000"}) {
        EXPECT_EQ(cacheFieldNumber(text, 330000), 330000) << text;
    }
}

TEST(SrwsUrl, VirtualPathStartsAfterTheHost) {
    EXPECT_EQ(srwsVirtualPath("http://www.example.com/srws/"), "/srws/");
    EXPECT_EQ(srwsVirtualPath("HTTPS://host/a/b"), "/a/b");
    EXPECT_EQ(srwsVirtualPath("https://host"), "");
    EXPECT_EQ(srwsVirtualPath("www.example.com/srws"), "");
    QString url = "http://h/srws";
    ensureTrailingSlash(url);
    EXPECT_EQ(url, "http://h/srws/");
    QString empty;
    ensureTrailingSlash(empty);
    EXPECT_EQ(empty, "");
}

}  // namespace
}  // namespace sentrel::test
