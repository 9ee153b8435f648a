#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>

#include "app/AppHost.h"
#include "app/FirstRunMarker.h"
#include "app/InternalData.h"
#include "app/StartupSequence.h"
#include "document/Document.h"
#include "registry/KeyPaths.h"
#include "registry/mdlRegistry.h"
#include "shell/ScriptedInteraction.h"
#include "support/RecordingDesktop.h"
#include "support/TempDir.h"

namespace sentrel::app {
namespace {

// The whole start-up against a fresh key store that knows only the base directory.
class AppHostTest : public ::testing::Test {
  protected:
    AppHostTest() {
        QStandardPaths::setTestModeEnabled(true);
        doc::Document::create()->save(base.file("intdata.dtl"));
        registry.setString(reg::kProductKey, reg::kBaseDirValue, base.path());
    }

    test::TempDir keys, base;
    ScriptedInteraction ui;
    reg::mdlRegistry registry{ui, reg::KeyStore(keys.path())};
    InternalData internalData;
    test::RecordingDesktop desktop;
    AppHost host{ui, registry, internalData, &desktop};
};

TEST_F(AppHostTest, StartsShowsTheWindowAndReleasesOnClose) {
    FirstRunMarker(registry).markDone();
    StartupSequence startup(host, ui, internalData);
    startup.setDraw([] { return 1; });
    ASSERT_TRUE(startup.run(QString()).started);
    EXPECT_TRUE(ui.messages().isEmpty());
    ASSERT_NE(host.mainWindow(), nullptr);
    EXPECT_TRUE(host.mainWindow()->isVisible());
    EXPECT_EQ(host.mainWindow()->baseDirectory(), base.path());
    EXPECT_EQ(host.helpFile(), base.path() + "/docs/help");
    EXPECT_EQ(host.mainWindow()->statusPanels().text("Download"), " Next check: N/A ");
    EXPECT_TRUE(internalData.isBound());

    // A fresh options key: every option at its default.
    ASSERT_NE(host.options(), nullptr);
    EXPECT_FALSE(host.options()->autoload);
    EXPECT_TRUE(host.options()->propShowVer);
    EXPECT_EQ(host.options()->perfCacheMaximum, 330000);
    EXPECT_EQ(host.options()->logFile, base.path() + "/browsers.out");

    EXPECT_TRUE(host.mainWindow()->close());
    EXPECT_FALSE(internalData.isBound());
    EXPECT_NO_THROW(doc::Document::bind(base.file("intdata.dtl")));
}

TEST_F(AppHostTest, OptionsAreReadAsStored) {
    registry.setString(reg::kOptionsKey, "srwsDatabase", "x");
    registry.setString(reg::kOptionsKey, "perfCacheTimeout", "abc");
    registry.setDword(reg::kOptionsKey, "autoload", 1);
    registry.setString(reg::kOptionsKey, "autoloadBDF", "/defs/start.bdf");
    host.createMainWindow();
    const StartupOptions options = host.loadOptions(base.path());
    EXPECT_TRUE(options.autoload);
    EXPECT_EQ(options.autoloadBDF, QStringLiteral("/defs/start.bdf"));
    EXPECT_TRUE(host.options()->srwsDatabase.isEmpty());
    EXPECT_EQ(host.options()->perfCacheTimeout, 43200);
}

TEST_F(AppHostTest, FirstRunLastsUntilTheWizardHasRun) {
    FirstRunMarker marker(registry);
    EXPECT_TRUE(host.isFirstRun());
    EXPECT_TRUE(marker.isFirstRun());
    host.setSetupWizard([] { return true; });
    EXPECT_EQ(host.runSetupWizard(), std::optional<bool>(true));
    EXPECT_FALSE(host.isFirstRun());
}

// A fresh installation: the first start runs the Setup Wizard, opens the main definitions
// when the user asks for them and ends with "Setup Wizard Complete"; "Run Setup Wizard" is
// then refused while the file is open.
TEST_F(AppHostTest, FirstStartRunsTheWizardAndOpensTheMainDefinitions) {
    const QString definitions = base.file("maindefs.bdf");
    QFile::copy(QStringLiteral(SENTREL_TEMPLATE), definitions);
    base.write("maindefs.mrg", {});
    base.write("maindefs.bdd", {});
    host.wizardHost().elevationTestPath = base.file("sentl_uac_checker.txt");
    for (MsgAnswer answer :
         {MsgAnswer::OK, MsgAnswer::No, MsgAnswer::No, MsgAnswer::No, MsgAnswer::Yes})
        ui.answerMessage(answer);
    StartupSequence startup(host, ui, internalData);
    startup.setDraw([] { return 1; });
    ASSERT_TRUE(startup.run(QStringLiteral("/elsewhere/other.bdf")).started);
    EXPECT_EQ(ui.messages().size(), 6);
    QStringList titles;
    for (const MessageRequest& message : ui.messages()) titles.append(message.title);
    EXPECT_EQ(titles, (QStringList{"Sentrel Setup Wizard", "Setup Wizard: Check for updates",
                                   "Setup Wizard: Enable performance caching?",
                                   "Setup Wizard: Reporting Options Setup",
                                   "Review browser definition file?", "Setup Wizard Complete"}));
    EXPECT_TRUE(host.mainWindow()->windowTitle().endsWith(definitions));
    EXPECT_FALSE(host.isFirstRun());
    EXPECT_TRUE(host.wizardHost().elevatedCommand.startsWith(
        QStringLiteral("sudo env SENTREL_REGISTRY=") + keys.path() +
        QStringLiteral(" SENTREL_HOME=") + base.path() + QLatin1Char(' ')));

    ui.clear();
    host.mainWindow()->dispatcher().dispatch(QStringLiteral("miSpecialRunSetupWizard"));
    EXPECT_EQ(ui.messageTexts(),
              QStringList{"You must first close the open BDF before running the Setup Wizard"});
    EXPECT_TRUE(host.mainWindow()->close());
}

// "Select properties to log..." of the options dialog opens the property choice; with the
// properties chosen and "Scripting required" answered Yes, the cut/paste window follows.
TEST_F(AppHostTest, SelectingPropertiesOpensTheChoiceThenTheCodeWindow) {
    FirstRunMarker(registry).markDone();
    StartupSequence startup(host, ui, internalData);
    startup.setDraw([] { return 1; });
    ASSERT_TRUE(startup.run(QString()).started);
    host.options()->srwsURL = "http://www.example.com/srws/";
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || shown.contains(dialog->objectName())) return;
        shown << dialog->objectName();
        QMetaObject::invokeMethod(dialog, shown.size() == 1 ? "accept" : "reject");
    });
    closer.start(10);
    ui.answerMessage(MsgAnswer::No);   // the popular set
    ui.answerMessage(MsgAnswer::Yes);  // "Scripting required"
    host.preferences()->controller().reportingTabs().selectPropertiesToLog();
    EXPECT_EQ(shown, (QStringList{"frmProperties", "frmCodeCutPaste"}));
    EXPECT_EQ(host.options()->rptProperties.split(',').size(), 69);
    QStringList titles;
    for (const MessageRequest& message : ui.messages()) titles << message.title;
    EXPECT_EQ(titles, (QStringList{"Property recommendation", "Scripting required"}));
}

// The help reaches the pages of the base directory: F1 the contents, the options dialog's
// Help the page of the tab shown.
TEST_F(AppHostTest, HelpOpensThePagesOfTheBaseDirectory) {
    FirstRunMarker(registry).markDone();
    QDir(base.path()).mkpath("docs/help");
    base.write("docs/help/710.html", "<html></html>");
    StartupSequence startup(host, ui, internalData);
    startup.setDraw([] { return 1; });
    ASSERT_TRUE(startup.run(QString()).started);
    host.mainWindow()->dispatcher().dispatch(QStringLiteral("miHelpContents"));
    host.preferences()->controller().help(2);
    const QString help = QStringLiteral("file://") + base.path() + QStringLiteral("/docs/help/");
    EXPECT_EQ(desktop.urls, (QStringList{help + "index.html", help + "710.html"}));

    // Every command of the program is joined to its operation by now (quick find answers
    // its own selection event).
    QStringList missing;
    for (const QString& tool : host.mainWindow()->commandBar().toolNames()) {
        if (!host.mainWindow()->dispatcher().hasOperation(tool)) missing.append(tool);
    }
    missing.removeAll(QStringLiteral("miBrowsersQuickFind"));
    EXPECT_EQ(missing, QStringList());
    EXPECT_TRUE(host.mainWindow()->close());
}

// The real host with a key store that has no "basedir": the start-up reports the registry,
// fails binding "-1/intdata.dtl" under "Loading internal data", never shows the main window
// and ends the program with status 1.
TEST(AppHostWithoutBaseDirectory, StartUpEndsWithStatusOne) {
    test::TempDir keys;
    ScriptedInteraction ui;
    reg::mdlRegistry registry{ui, reg::KeyStore(keys.path())};
    InternalData internalData;
    AppHost host{ui, registry, internalData};
    StartupSequence startup(host, ui, internalData);
    const StartupSequence::Outcome outcome = startup.run(QString());
    EXPECT_FALSE(outcome.started);
    EXPECT_EQ(outcome.exitStatus(), 1);
    EXPECT_EQ(startup.lastPlace(), QStringLiteral("Loading internal data"));
    ASSERT_EQ(ui.messages().size(), 2);
    EXPECT_EQ(ui.messages()[0],
              (MessageRequest{"Error reading registry",
                              "Unable to read base directory information from registry.",
                              MsgIcon::Critical}));
    EXPECT_EQ(ui.messages()[1].title, QStringLiteral("DCOM for Windows 95 update needed"));
    EXPECT_TRUE(ui.messages()[1].text.startsWith(
        QStringLiteral("Error #432 has occured during initialization.  Unable to initialize "
                       "internal data.")));
    EXPECT_FALSE(host.mainWindow() && host.mainWindow()->isVisible());
    EXPECT_FALSE(internalData.isBound());
}

}  // namespace
}  // namespace sentrel::app
