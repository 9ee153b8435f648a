#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/wizard/SetupWizard.h"
#include "app/wizard/SetupWizardCommand.h"
#include "registry/KeyPaths.h"
#include "registry/mdlRegistry.h"
#include "reporting/OptionStore.h"
#include "reporting/OptionsController.h"
#include "shell/ScriptedInteraction.h"
#include "support/RecordingDesktop.h"
#include "support/TempDir.h"

namespace sentrel::app::wizard {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

const MessageRequest kWelcome{
    QStringLiteral("Sentrel Setup Wizard"),
    QStringLiteral("The Setup Wizard will now ask a few quick questions so that it may properly "
                   "configure Sentrel for you. Should you need to run the Setup Wizard again in "
                   "the future, choose \"Run Setup Wizard\" from the Special menu."),
    MsgIcon::Information,
    MsgButtons::OKCancel,
    1,
    0};

const MessageRequest kUpdates{
    QStringLiteral("Setup Wizard: Check for updates"),
    QStringLiteral("In order to start you off with the most current browser definitions, and to "
                   "keep these definitions current into the future, Sentrel needs to "
                   "communicate with the update server at Norvane. If your machine is behind a "
                   "firewall or proxy server, Sentrel can likely still access these definitions "
                   "for you.\r\n\r\nNote: You may be prompted by your firewall software as to "
                   "whether to give permission for Sentrel to access the Internet. Please choose "
                   "the option which corresponds to allowing it to always run.\r\n\r\nWould you "
                   "like to check for updates now?"),
    MsgIcon::Question,
    MsgButtons::YesNo,
    1,
    0};

const MessageRequest kCaching{
    QStringLiteral("Setup Wizard: Enable performance caching?"),
    QStringLiteral("This edition of Sentrel features Norvane Prontache(tm) technology. Prontache "
                   "speeds the Sentrel significantly for busy web servers and optimizes CPU "
                   "utilization.  It works by caching Sentrel objects and reusing them as other "
                   "visitors hit your site with the same browser.  Would you like to learn more "
                   "about Prontacha and enable it now?"),
    MsgIcon::Question,
    MsgButtons::YesNo,
    1,
    0};

const MessageRequest kReporting{
    QStringLiteral("Setup Wizard: Reporting Options Setup"),
    QStringLiteral("This edition of Sentrel provides automatic logging of browser statistics to "
                   "an SQLite or PostgreSQL database.  Would you like to set up this feature "
                   "now?  Or for an introduction to Sentrel Reports press the Help button."),
    MsgIcon::Question,
    MsgButtons::YesNo,
    1,
    25};

const MessageRequest kReportingInformation{
    QStringLiteral("Information on reporting options"),
    QStringLiteral(
        "Stats collection involves: 1) The Sentrel component running from your web scripts "
        "which collects the stats, and 2) The Sentrel Reports Web Service (SRWS) which "
        "receives the collected stats and logs them to a database. The SRWS runs as a CGI "
        "program of Apache httpd on the web server you choose.\r\rWhen configuring the "
        "Reporting Options you need to specify the location of the SRWS server. Typically you "
        "only need to run the SRWS on one server, regardless of how many servers you use the "
        "component on.\r\rIf you plan to use Sentrel on this server only, choose the option on "
        "the next screen to run the SRWS on this server.  Or if you are running SN on multiple "
        "servers, you can designate this server as the SRWS server. If not you should "
        "configure the location of another server already running the SRWS.\r\rOn the next "
        "screen please configure the location of the SRWS.  Also be sure to press the 'Select "
        "properties to log' button to choose the properties to record in the database.  Press "
        "Help for more details."),
    MsgIcon::Information,
    MsgButtons::OK,
    1,
    1137};

const MessageRequest kReview{
    QStringLiteral("Review browser definition file?"),
    QStringLiteral("Congratulations! Sentrel is successfully installed and ready for your "
                   "use.\r\n\r\nWould you like to load the browser definition file so you can "
                   "see what type of information it contains and customize it if you wish?"),
    MsgIcon::Question,
    MsgButtons::YesNo,
    1,
    0};

MessageRequest changeDatabase(const QString& path) {
    return {QStringLiteral("Change default database used?"),
            QStringLiteral("By default the statistics will be logged into the following SQLite "
                           "database:\r   ") +
                path +
                QStringLiteral("\r\rDo you wish to keep this setting?  To use this database "
                               "choose 'Yes'.  To use a different SQLite database, or to use a "
                               "PostgreSQL database instead, choose 'No' to customize your "
                               "database options."),
            MsgIcon::Question,
            MsgButtons::YesNo,
            1,
            0};
}

// The wizard over a real key store and option store; the options dialog, the wait for the
// download manager and the end of the program are recorded.
class SetupWizardTest : public ::testing::Test {
  protected:
    SetupWizardTest() {
        registry.setString(reg::kProductKey, reg::kBaseDirValue, base.path());
        options.load();
        host.elevationTestPath = base.file(QStringLiteral("sentl_uac_checker.txt"));
        host.elevatedCommand = QStringLiteral("sudo env SENTREL_REGISTRY=/k sentrel-editor");
        host.showOptionsDialog = [this] {
            dialogs.append({flags.optionsTab, flags.wizardRunning, flags.reportingStepRunning,
                            options.perfMode});
            if (onDialog) onDialog();
        };
        host.runAndWait = [this](const QString& program, const QString& text) {
            waits.append(program + QLatin1Char('|') + text);
        };
        host.endProgram = [this] { ended = true; };
    }

    bool runWizard() {
        SetupWizard wizard(ui, registry, options, flags, programs, host);
        return wizard.run();
    }
    // Answers the questions in order; the welcome message is confirmed first.
    void answers(std::initializer_list<MsgAnswer> list) {
        ui.answerMessage(MsgAnswer::OK);
        for (MsgAnswer answer : list) ui.answerMessage(answer);
    }

    struct Dialog {
        int tab;
        bool wizardRunning;
        bool reportingStep;
        bool perfMode;
        bool operator==(const Dialog&) const = default;
    };

    test::TempDir keys, base;
    ScriptedInteraction ui;
    reg::mdlRegistry registry{ui, reg::KeyStore(keys.path())};
    OptionStore options{registry, base.path()};
    SetupWizardFlags flags;
    test::RecordingDesktop desktop;
    ExternalPrograms programs{ui, desktop, base.path()};
    SetupWizardHost host;
    QList<Dialog> dialogs;
    std::function<void()> onDialog;
    QStringList waits;
    bool ended = false;
};

TEST_F(SetupWizardTest, CancelOnTheFirstMessageEndsTheWizard) {
    ui.answerMessage(MsgAnswer::Cancel);
    EXPECT_FALSE(runWizard());
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{kWelcome});
    EXPECT_FALSE(flags.wizardRunning);
    EXPECT_FALSE(registry.getDword(reg::kOptionsKey, QStringLiteral("configSrws")).has_value());
}

// No to every offer: nothing shown, but the SQLite database in the installation folder is
// chosen, configSrws written, and the options dialog will skip its reporting checks.
TEST_F(SetupWizardTest, NoToEveryOfferLeavesTheSqliteDefaultChosen) {
    answers({MsgAnswer::No, MsgAnswer::No, MsgAnswer::No, MsgAnswer::Yes});
    EXPECT_TRUE(runWizard());
    EXPECT_EQ(ui.messages(),
              (QList<MessageRequest>{kWelcome, kUpdates, kCaching, kReporting, kReview}));
    EXPECT_TRUE(dialogs.isEmpty());
    EXPECT_TRUE(waits.isEmpty());
    EXPECT_EQ(options.srwsProviderType, SrwsProvider::Access);
    EXPECT_EQ(options.srwsMDBPath, base.path() + QStringLiteral("/reports/SNReports.db"));
    EXPECT_EQ(registry.getDword(reg::kOptionsKey, QStringLiteral("configSrws")), 1);
    EXPECT_TRUE(flags.reportingDeclined);
    EXPECT_FALSE(flags.wizardRunning);
    EXPECT_FALSE(flags.reportingStepRunning);
    EXPECT_FALSE(QFile::exists(host.elevationTestPath));
    EXPECT_TRUE(ui.allAnswersUsed());
}

TEST_F(SetupWizardTest, WithoutAdministrativeRightsTheUserMayLeaveOrGoOn) {
    host.elevationTestPath = base.file(QStringLiteral("missing-folder/sentl_uac_checker.txt"));
    const MessageRequest elevation{
        QStringLiteral("Setup Wizard needs Administrative privileges"),
        QStringLiteral(
            "You do not appear to be running this application with elevated privileges. This "
            "Editor needs to run with elevated privileges, started as root, in order for the "
            "Setup Wizard to configure the Sentrel Reports Web Service (SRWS).\r\n\r\nThe SRWS "
            "is required if you wish to use Sentrel to automatically log browser statistics, "
            "page load times, or JavaScript errors to your database. If you wish to configure "
            "the SRWS, you must exit this application and launch it again with elevated "
            "privileges.\r\n\r\nTo run with elevated privileges, answer 'Yes' below and this "
            "application will close. Then start the editor as root, for example with sudo:\r\n"
            "   sudo env SENTREL_REGISTRY=/k sentrel-editor\r\n\r\nIf you do not wish to set up "
            "the SRWS, or you are sure you have launched this application with Administrator "
            "privileges and we are not detecting so, then answer 'No' and the Setup Wizard "
            "will continue.\r\n\r\n"),
        MsgIcon::Question,
        MsgButtons::YesNo,
        1,
        0};

    answers({MsgAnswer::Yes});
    EXPECT_FALSE(runWizard());
    EXPECT_EQ(ui.messages(), (QList<MessageRequest>{kWelcome, elevation}));
    EXPECT_TRUE(ended);

    ui.clear();
    ended = false;
    answers({MsgAnswer::No, MsgAnswer::No, MsgAnswer::No, MsgAnswer::No, MsgAnswer::No});
    EXPECT_FALSE(runWizard());
    EXPECT_EQ(ui.messages(), (QList<MessageRequest>{kWelcome, elevation, kUpdates, kCaching,
                                                    kReporting, kReview}));
    EXPECT_FALSE(ended);
}

TEST_F(SetupWizardTest, UpdatesRunTheDownloadManagerOrSayItIsMissing) {
    answers({MsgAnswer::Yes, MsgAnswer::OK, MsgAnswer::No, MsgAnswer::No, MsgAnswer::No});
    runWizard();
    ASSERT_EQ(ui.messages().size(), 6);
    EXPECT_EQ(ui.messages()[2].title, QStringLiteral("Download Manager not installed"));
    EXPECT_EQ(ui.messages()[2].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(waits.isEmpty());

    const QString updater = base.write(QStringLiteral("sentrel-update"), "#!/bin/sh\n");
    QFile::setPermissions(updater, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ui.clear();
    answers({MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::No, MsgAnswer::No});
    runWizard();
    EXPECT_EQ(ui.messages().size(), 5);
    EXPECT_EQ(waits,
              QStringList{updater + QStringLiteral("|This Setup Wizard will resume once you have "
                                                   "finished downloading updates and closed the "
                                                   "other window that has opened. Waiting...")});
}

// Caching: the dialog opens on the Cache tab with the box checked, and while the wizard runs
// the user cannot leave that tab.
TEST_F(SetupWizardTest, CachingShowsTheCacheTabAndKeepsTheUserThere) {
    OptionsController controller(options, ui, flags);
    int tabAfterLeaving = -1;
    onDialog = [&] {
        if (flags.optionsTab == SetupWizard::kCacheTab) tabAfterLeaving = controller.tabSelected(0);
    };
    answers({MsgAnswer::No, MsgAnswer::Yes, MsgAnswer::OK, MsgAnswer::No, MsgAnswer::No});
    runWizard();
    EXPECT_EQ(dialogs, (QList<Dialog>{{2, true, false, true}}));
    EXPECT_EQ(tabAfterLeaving, 2);
    ASSERT_EQ(ui.messages().size(), 6);
    EXPECT_EQ(ui.messages()[3].title, QStringLiteral("Please finish with Setup Wizard"));
}

// Yes to reporting: the introduction, the Reporting Options tab, then the question about the
// saved database; Yes keeps it (the dialog is not shown again), No opens the database tab.
TEST_F(SetupWizardTest, ReportingSetUpAsksAboutTheSavedDatabase) {
    onDialog = [this] { options.save(); };  // OK in the dialog
    const QString database = base.path() + QStringLiteral("/reports/SNReports.db");
    answers({MsgAnswer::No, MsgAnswer::No, MsgAnswer::Yes, MsgAnswer::OK, MsgAnswer::Yes,
             MsgAnswer::No});
    EXPECT_FALSE(runWizard());
    EXPECT_EQ(ui.messages(),
              (QList<MessageRequest>{kWelcome, kUpdates, kCaching, kReporting,
                                     kReportingInformation, changeDatabase(database), kReview}));
    EXPECT_EQ(dialogs, (QList<Dialog>{{3, true, true, false}}));
    EXPECT_FALSE(flags.reportingDeclined);
    EXPECT_FALSE(flags.reportingStepRunning);

    ui.clear();
    dialogs.clear();
    answers({MsgAnswer::No, MsgAnswer::No, MsgAnswer::Yes, MsgAnswer::OK, MsgAnswer::No,
             MsgAnswer::No});
    runWizard();
    EXPECT_EQ(dialogs, (QList<Dialog>{{3, true, true, false}, {4, true, true, false}}));
    EXPECT_TRUE(ui.allAnswersUsed());
}

// A dialog closed with Cancel saves no database path: there is nothing to ask about.
TEST_F(SetupWizardTest, NoDatabaseQuestionWhenNoPathWasSaved) {
    answers({MsgAnswer::No, MsgAnswer::No, MsgAnswer::Yes, MsgAnswer::OK, MsgAnswer::No});
    runWizard();
    EXPECT_EQ(ui.messages(), (QList<MessageRequest>{kWelcome, kUpdates, kCaching, kReporting,
                                                    kReportingInformation, kReview}));
}

TEST_F(SetupWizardTest, OpensTheProductKeysToEveryAccountButCreatesNone) {
    registry.setString(reg::kBrowserDefsKey, QStringLiteral("default"), QStringLiteral("x"));
    const QString browserDefs = keys.path() + QStringLiteral(
                                                  "/HKEY_LOCAL_MACHINE/SOFTWARE/Norvane/"
                                                  "Browser Editor/1.0/browserdefs");
    QFile::setPermissions(browserDefs, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ui.answerMessage(MsgAnswer::Cancel);
    runWizard();
    const QFileInfo folder(browserDefs);
    EXPECT_TRUE(folder.permissions().testFlag(QFile::ReadOther));
    EXPECT_TRUE(folder.permissions().testFlag(QFile::ExeOther));
    EXPECT_FALSE(folder.permissions().testFlag(QFile::WriteOther));
    EXPECT_FALSE(registry.keyExists(reg::kOptionsKey));
}

// "Run Setup Wizard": refused with a file open; otherwise asked first, then the options go
// back to their defaults before the wizard runs, even when the wizard is cancelled.
class SetupWizardCommandTest : public SetupWizardTest {
  protected:
    void runCommand() {
        SetupWizardCommand command{ui,
                                   registry,
                                   options,
                                   [this] { return fileOpen; },
                                   [this] { return runWizard(); },
                                   [this](const QString& path) { opened.append(path); }};
        command();
    }
    bool fileOpen = false;
    QStringList opened;
};

const MessageRequest kOverwrite{
    QStringLiteral("Overwrite Preferences and Options and maindefs.bdf?"),
    QStringLiteral("You have choosen to run the Setup Wizard.  This is the same wizard that you "
                   "used when you ran Sentrel for the first time.\r\n\r\nCaution: Running this "
                   "wizard will result in resetting any Sentrel Preferences and Options you "
                   "configured previously to their default values. In addition, your browser "
                   "definitions will be overwritten with the latest available from Norvane. Do "
                   "you wish to continue?"),
    MsgIcon::Exclamation,
    MsgButtons::YesNo,
    2,
    0};

TEST_F(SetupWizardCommandTest, RefusedWhileAFileIsOpen) {
    fileOpen = true;
    runCommand();
    const MessageRequest closeFirst{
        QStringLiteral("Close open BDF first"),
        QStringLiteral("You must first close the open BDF before running the Setup Wizard"),
        MsgIcon::Information,
        MsgButtons::OK,
        1,
        0};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{closeFirst});
}

TEST_F(SetupWizardCommandTest, NoKeepsTheOptionsAndRunsNothing) {
    registry.setDword(reg::kOptionsKey, QStringLiteral("perfCacheTimeout"), 99);
    options.load();
    ui.answerMessage(MsgAnswer::No);
    runCommand();
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{kOverwrite});
    EXPECT_EQ(registry.getDword(reg::kOptionsKey, QStringLiteral("perfCacheTimeout")), 99);
}

TEST_F(SetupWizardCommandTest, ResetsTheOptionsThenRunsTheWizard) {
    registry.setDword(reg::kOptionsKey, QStringLiteral("perfCacheTimeout"), 99);
    options.load();
    ui.answerMessage(MsgAnswer::Yes);
    ui.answerMessage(MsgAnswer::Cancel);
    runCommand();
    EXPECT_EQ(ui.messages(), (QList<MessageRequest>{kOverwrite, kWelcome}));
    EXPECT_FALSE(registry.keyExists(reg::kOptionsKey));
    EXPECT_EQ(options.perfCacheTimeout, 43200);
    EXPECT_TRUE(opened.isEmpty());

    ui.clear();
    ui.answerMessage(MsgAnswer::Yes);
    answers({MsgAnswer::No, MsgAnswer::No, MsgAnswer::No, MsgAnswer::Yes});
    runCommand();
    EXPECT_EQ(opened, QStringList{base.path() + QStringLiteral("/maindefs.bdf")});
}

}  // namespace
}  // namespace sentrel::app::wizard
