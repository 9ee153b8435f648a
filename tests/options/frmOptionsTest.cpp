#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "OptionsFixture.h"
#include "reporting/CacheTips.h"
#include "reporting/OptionsTab.h"
#include "reporting/frmCacheTips.h"
#include "reporting/frmOptions.h"

namespace sentrel::test {
namespace {

// The dialog over the fixture's store, driven through its controls.
class OptionsDialog : public OptionsFixture {
  protected:
    OptionsDialog() { reopen(); }

    // The program restarted: a new store, controller and dialog.
    void reopen() {
        dialog.reset();
        restart();
        dialog = std::make_unique<frmOptions>(*controller);
        dialog->activate();
    }
    template <class W>
    W* get(const char* name) const {
        W* widget = dialog->findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* edit(const char* name) const { return get<QLineEdit>(name); }
    QCheckBox* check(const char* name) const { return get<QCheckBox>(name); }
    QString text(const char* name) const {
        if (auto* combo = dialog->findChild<QComboBox*>(name)) return combo->currentText();
        return edit(name)->text();
    }
    void click(const char* name) const { get<QPushButton>(name)->click(); }

    std::unique_ptr<frmOptions> dialog;
};

TEST_F(OptionsDialog, FreshKeyStoreShowsTheDefaults) {
    EXPECT_EQ(dialog->windowTitle(), " Sentrel Preferences and Options");
    EXPECT_EQ(dialog->tabs()->count(), 5);
    EXPECT_FALSE(check("ckPerfMode")->isChecked());
    EXPECT_EQ(text("txCacheMax"), "330000");
    EXPECT_EQ(text("txCacheTimeout"), "43200");
    EXPECT_EQ(text("txCacheClean"), "1800");
    EXPECT_FALSE(edit("txCacheMax")->isEnabled());
    EXPECT_TRUE(get<QRadioButton>("optSQLServer")->isChecked());
    EXPECT_TRUE(check("chkNTAuthentication")->isChecked());
    EXPECT_TRUE(get<QRadioButton>("optThisServer")->isChecked());
    EXPECT_EQ(text("txLogFile"), "/opt/sentrel/browsers.out");
    EXPECT_EQ(text("txtLogDir"), "/opt/sentrel/reports/logs");
    EXPECT_TRUE(check("chkShowVer")->isChecked());
    EXPECT_EQ(text("cboLogType"), "None");
    EXPECT_EQ(text("cboServerID"), "All");
    EXPECT_FALSE(edit("txMajorver")->isEnabled()) << "no file open";
    EXPECT_FALSE(edit("txLogFile")->isEnabled());
    for (const char* disabled :
         {"cmdSelectAccess", "cmdLookup", "cmdTestSettings", "cmdInitTables"}) {
        EXPECT_FALSE(get<QPushButton>(disabled)->isEnabled()) << disabled;
    }
    EXPECT_TRUE(get<QPushButton>("cmdTest")->isEnabled());
    EXPECT_TRUE(get<QPushButton>("cmdSelectProperties")->isEnabled());
    EXPECT_TRUE(get<QPushButton>("cmdSelectWebDir")->isEnabled()) << "the service on this server";
    EXPECT_EQ(get<QLabel>("lblDbStatus")->text(),
              "Type a server name or IP address in the 'PostgreSQL server' field");
}

// Number boxes are as wide as their numbers and buttons as wide as their captions, on a
// dialog made wide; the largest stored number still shows whole.
TEST_F(OptionsDialog, BoxesAreSizedToTheirContent) {
    dialog->resize(1000, 600);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    for (int tab = 0; tab < dialog->tabs()->count(); ++tab) {
        dialog->tabs()->setCurrentIndex(tab);
        QCoreApplication::processEvents();
    }
    for (const char* name :
         {"txMajorver", "txMinorver", "txCacheMax", "txCacheTimeout", "txCacheClean"}) {
        QLineEdit* box = edit(name);
        EXPECT_LT(box->width(), 200) << name;
        EXPECT_GE(box->width(), box->fontMetrics().horizontalAdvance("999999")) << name;
    }
    auto* properties = get<QPushButton>("cmdSelectProperties");
    EXPECT_EQ(properties->width(), properties->sizeHint().width());
}

TEST_F(OptionsDialog, StoredValuesAreReadByTheLoadingRules) {
    writeOptionsFile(
        "\"srwsDatabase\"=\"x\"\n\"perfCacheMaximum\"=\"abc\"\n\"loggingType\"=dword:00000007\n");
    reopen();
    EXPECT_EQ(text("cboDatabase"), "") << "a one-character text reads back empty";
    EXPECT_EQ(text("txCacheMax"), "330000");
    EXPECT_EQ(text("cboLogType"), "None");

    writeOptionsFile("\"loggingType\"=dword:00000003\n");
    reopen();
    EXPECT_EQ(text("cboLogType"), "None");
    get<QComboBox>("cboLogType")->setCurrentIndex(2);
    get<QComboBox>("cboLogType")->setCurrentIndex(0);
    get<QComboBox>("cboDatabase")->setEditText("y");
    ui.answerMessage(MsgAnswer::No);  // "No properties selected"
    ui.answerMessage(MsgAnswer::No);  // "Test new settings?"
    click("cmdOK");
    EXPECT_TRUE(optionsFile().contains("\"loggingType\"=dword:00000003"));
    EXPECT_TRUE(optionsFile().contains("\"srwsDatabase\"=\"y\""));
    reopen();
    EXPECT_EQ(text("cboDatabase"), "");
}

TEST_F(OptionsDialog, LoggingAndCacheBoxesEnableTheirControls) {
    check("chkLogging")->setChecked(true);
    EXPECT_TRUE(edit("txLogFile")->isEnabled());
    check("chkLogHitTester")->setChecked(true);
    check("chkLogging")->setChecked(false);
    EXPECT_FALSE(check("chkLogHitTester")->isChecked());
    EXPECT_FALSE(check("chkLogHitTester")->isEnabled());

    check("chkAutoload")->setChecked(true);
    EXPECT_TRUE(edit("txAutoloadBDF")->isEnabled());

    check("ckPerfMode")->setChecked(true);
    EXPECT_TRUE(get<QPushButton>("cmdRecommend")->isEnabled());
    edit("txCacheTimeout")->setText("600");
    check("ckPerfMode")->setChecked(false);
    EXPECT_FALSE(edit("txCacheTimeout")->isEnabled());
    EXPECT_EQ(text("txCacheTimeout"), "600") << "disabled boxes keep their values";
    click("cmdOK");
    EXPECT_TRUE(optionsFile().contains("\"perfCacheTimeout\"=dword:00000258"));
}

TEST_F(OptionsDialog, RecommendationFillsTheCacheBoxesOrChangesNothing) {
    check("ckPerfMode")->setChecked(true);
    const auto recommend = [&](const QString& answer) {
        ui.answerInput(answer);
        click("cmdRecommend");
        return QStringList{text("txCacheMax"), text("txCacheTimeout"), text("txCacheClean")};
    };
    EXPECT_EQ(recommend("1"), (QStringList{"3600", "43200", "1800"}));
    EXPECT_EQ(recommend("2000"), (QStringList{"7200000", "43200", "1800"}));
    EXPECT_EQ(recommend("2001"), (QStringList{"1375000", "21600", "1800"}));
    for (const char* nothing : {"0", "-5", "many"}) {
        EXPECT_EQ(recommend(nothing), (QStringList{"1375000", "21600", "1800"})) << nothing;
    }
    ASSERT_FALSE(ui.events().isEmpty());
    EXPECT_EQ(ui.events().last().input.title, "Cache recommendations");
    EXPECT_TRUE(optionsFile().isEmpty()) << "nothing is saved before OK";
}

TEST_F(OptionsDialog, CancelWritesNothingAndShowsTheStoredValuesAgain) {
    check("chkShowSys")->setChecked(true);
    edit("txtURL")->setText("http://www.example.com/srws/");
    click("cmdCancel");
    EXPECT_TRUE(optionsFile().isEmpty());
    EXPECT_FALSE(check("chkShowSys")->isChecked());
    EXPECT_EQ(text("txtURL"), "");
    EXPECT_TRUE(ui.messages().isEmpty());
}

// Escape is Cancel, in the options dialog and in the cache notes it opens.
TEST_F(OptionsDialog, EscapeCancelsLikeTheCancelButton) {
    dialog->show();
    edit("txtURL")->setText("http://www.example.com/srws/");
    QTest::keyClick(edit("txtURL"), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(optionsFile().isEmpty());
    EXPECT_EQ(text("txtURL"), "");

    frmCacheTips tips;
    tips.show();
    QTest::keyClick(tips.findChild<QPlainTextEdit*>(), Qt::Key_Escape);
    EXPECT_FALSE(tips.isVisible());
}

TEST_F(OptionsDialog, EveryOptionSurvivesOkAndARestart) {
    wizard.reportingDeclined = true;  // no reporting checks: this is about the values
    check("chkLogging")->setChecked(true);
    get<QComboBox>("cboLogType")->setCurrentIndex(2);
    edit("txLogFile")->setText("/var/log/ua.out");
    check("chkLogHitTester")->setChecked(true);
    check("chkShowVer")->setChecked(false);
    check("chkShowSys")->setChecked(true);
    check("chkVerIncrement")->setChecked(true);
    check("chkAutoload")->setChecked(true);
    edit("txAutoloadBDF")->setText("/defs/mine.bdf");
    check("ckPerfMode")->setChecked(true);
    edit("txCacheMax")->setText("7200000");
    edit("txCacheTimeout")->setText("21600");
    edit("txCacheClean")->setText("600");
    get<QRadioButton>("optRemote")->setChecked(true);
    edit("txtWebAddress")->setText("http://www.example.com");
    edit("txtWebDir")->setText("/srv/www/srws");
    edit("txtLogDir")->setText("/var/log/srws");
    edit("txtURL")->setText("http://www.example.com/srws/");
    get<QRadioButton>("optAccess")->setChecked(true);
    edit("txtAccessPath")->setText("/srv/reports.db");
    get<QComboBox>("cboServer")->setEditText("db1");
    check("chkNTAuthentication")->setChecked(false);
    edit("txtUsername")->setText("sentrel");
    edit("txtPassword")->setText("s3cret");
    get<QComboBox>("cboDatabase")->setEditText("reports");
    edit("txtTableOwner")->setText("dbo");
    click("cmdOK");

    const QByteArray expected =
        "\"loggingEnabled\"=dword:00000001\n\"logFile\"=\"/var/log/ua.out\"\n"
        "\"loggingType\"=dword:00000002\n\"loggingHitTester\"=dword:00000001\n"
        "\"propShowVer\"=dword:00000000\n\"propShowSys\"=dword:00000001\n"
        "\"verIncrement\"=dword:00000001\n\"autoload\"=dword:00000001\n"
        "\"autoloadBDF\"=\"/defs/mine.bdf\"\n\"perfMode\"=dword:00000001\n"
        "\"perfCacheMaximum\"=dword:006ddd00\n\"perfCacheTimeout\"=dword:00005460\n"
        "\"perfCacheCleanInterval\"=dword:00000258\n\"rptProperties\"=\"\"\n"
        "\"srwsRemote\"=dword:00000001\n\"srwsLocalWebAddress\"=\"http://www.example.com\"\n"
        "\"srwsInstallPath\"=\"/srv/www/srws\"\n\"srwsLogFilePath\"=\"/var/log/srws\"\n"
        "\"srwsURL\"=\"http://www.example.com/srws/\"\n\"srwsProviderType\"=dword:00000001\n"
        "\"srwsMDBPath\"=\"/srv/reports.db\"\n\"srwsServer\"=\"db1\"\n"
        "\"srwsIntegratedSecurity\"=dword:00000000\n\"srwsUsername\"=\"sentrel\"\n"
        "\"srwsPassword\"=\"s3cret\"\n\"srwsDatabase\"=\"reports\"\n\"srwsTableOwner\"=\"dbo\"\n";
    EXPECT_EQ(QString::fromUtf8(optionsFile()), QString::fromUtf8(expected));

    reopen();
    EXPECT_TRUE(check("chkLogging")->isChecked());
    EXPECT_EQ(text("cboLogType"), "All browsers");
    EXPECT_EQ(text("txLogFile"), "/var/log/ua.out");
    EXPECT_TRUE(check("chkLogHitTester")->isChecked());
    EXPECT_FALSE(check("chkShowVer")->isChecked());
    EXPECT_TRUE(check("chkShowSys")->isChecked());
    EXPECT_TRUE(check("chkVerIncrement")->isChecked());
    EXPECT_TRUE(check("chkAutoload")->isChecked());
    EXPECT_EQ(text("txAutoloadBDF"), "/defs/mine.bdf");
    EXPECT_TRUE(check("ckPerfMode")->isChecked());
    EXPECT_EQ(text("txCacheMax") + text("txCacheTimeout") + text("txCacheClean"),
              "720000021600600");
    EXPECT_TRUE(get<QRadioButton>("optRemote")->isChecked());
    EXPECT_FALSE(edit("txtWebAddress")->isEnabled());
    EXPECT_FALSE(get<QPushButton>("cmdSelectWebDir")->isEnabled()) << "the service elsewhere";
    EXPECT_EQ(text("txtWebAddress") + text("txtWebDir") + text("txtLogDir") + text("txtURL"),
              "http://www.example.com/srv/www/srws/var/log/srwshttp://www.example.com/srws/");
    EXPECT_TRUE(get<QRadioButton>("optAccess")->isChecked());
    EXPECT_EQ(text("txtAccessPath"), "/srv/reports.db");
    EXPECT_FALSE(check("chkNTAuthentication")->isChecked());
    EXPECT_EQ(text("cboServer") + text("txtUsername") + text("txtPassword") + text("cboDatabase") +
                  text("txtTableOwner"),
              "db1sentrels3cretreportsdbo");
}

TEST_F(OptionsDialog, VersionBoxesFollowTheOpenFile) {
    openDocument(1, 2);
    dialog->showOptions();
    dialog->activate();
    EXPECT_TRUE(edit("txMinorver")->isEnabled());
    EXPECT_EQ(text("txMajorver") + "." + text("txMinorver"), "1.02");
    edit("txMinorver")->setText("3");
    click("cmdOK");
    EXPECT_EQ(doc::internals::BDFMinorver(*document), 3);
    EXPECT_EQ(modifiedMarks, 1);
    EXPECT_EQ(text("txMinorver"), "03");
}

TEST_F(OptionsDialog, SetupWizardTabCannotBeLeft) {
    wizard.wizardRunning = true;
    wizard.optionsTab = 2;
    dialog->activate();
    EXPECT_EQ(dialog->tabs()->currentIndex(), 2);
    dialog->tabs()->setCurrentIndex(4);
    EXPECT_EQ(dialog->tabs()->currentIndex(), 2);
    EXPECT_EQ(ui.messages().size(), 1);
    EXPECT_FALSE(controller->reportingFlags().serversListed);
}

TEST_F(OptionsDialog, HelpAndNotesButtons) {
    dialog->tabs()->setCurrentIndex(2);
    click("cmdHelp");
    EXPECT_EQ(helpContexts, QList<int>{710});
    click("cmdNotes");
    ASSERT_FALSE(ui.events().isEmpty());
    EXPECT_EQ(ui.events().last().dialog, "frmCacheTips");

    frmCacheTips tips;
    EXPECT_EQ(tips.windowTitle(), " Important notes on Norvane Prontache(tm) ");
    const QStringList shown = tips.findChild<QPlainTextEdit*>()->toPlainText().split('\n');
    EXPECT_EQ(shown, cacheTipsLines());
    ASSERT_EQ(shown.size(), 17);
    EXPECT_EQ(shown.first(),
              "* Sentrel dynamically allocates and releases memory as needed for the cache, ");
    EXPECT_TRUE(shown.last().startsWith(
        "* A properly configured cache should result in a 85% or higher cache hit ratio."));
}

}  // namespace
}  // namespace sentrel::test

namespace sentrel::test {
namespace {

TEST_F(OptionsDialog, DatabaseTabFollowsItsStateAndTestsAnSqliteFile) {
    EXPECT_EQ(edit("txtPassword")->echoMode(), QLineEdit::Password);
    const auto enabled = [&](std::initializer_list<const char*> names) {
        QStringList on;
        for (const char* name : names) {
            if (dialog->findChild<QWidget*>(name)->isEnabled()) on << name;
        }
        return on;
    };
    const auto status = [&] { return get<QLabel>("lblDbStatus")->text(); };
    const std::initializer_list<const char*> controls = {
        "txtAccessPath", "cmdSelectAccess", "cboServer",    "chkNTAuthentication",
        "txtUsername",   "txtPassword",     "cboDatabase",  "txtTableOwner",
        "cmdLookup",     "cmdTestSettings", "cmdInitTables"};

    get<QRadioButton>("optAccess")->setChecked(true);
    EXPECT_EQ(status(), "Enter the full path and filename for an SQLite database file.");
    EXPECT_EQ(enabled(controls), (QStringList{"txtAccessPath", "cmdSelectAccess"}));
    edit("txtAccessPath")->setText(dir.write("reports.db", ""));
    EXPECT_EQ(enabled(controls), (QStringList{"txtAccessPath", "cmdSelectAccess", "cmdTestSettings",
                                              "cmdInitTables"}));
    ui.answerMessage(MsgAnswer::Yes);  // "Data Table test failed"
    ui.answerMessage(MsgAnswer::Yes);  // "Initialize Sentrel data tables?"
    click("cmdTestSettings");
    EXPECT_EQ(ui.messages().last().title, "Test Succeeded");
    EXPECT_EQ(status(), "The SRWS data tables are working.");

    get<QRadioButton>("optSQLServer")->setChecked(true);
    get<QComboBox>("cboServer")->setEditText("db.example.com");
    check("chkNTAuthentication")->setChecked(false);
    EXPECT_EQ(status(),
              "Enter 'Username' or Select 'Use the operating system's own authentication...'.");
    EXPECT_EQ(enabled(controls), (QStringList{"cboServer", "chkNTAuthentication", "txtUsername",
                                              "txtPassword", "cboDatabase", "txtTableOwner"}));

    get<QRadioButton>("optRemote")->setChecked(true);
    EXPECT_FALSE(get<QWidget>("fraDatabase")->isEnabled());
    EXPECT_EQ(status(), "To enable this tab choose to run the SRWS on this server");
}

TEST_F(OptionsDialog, CancelInAFailedVerificationKeepsTheDialogOpenAndOkSaves) {
    store->rptProperties = "Browser";
    dialog->showOptions();
    get<QRadioButton>("optAccess")->setChecked(true);
    edit("txtAccessPath")->setText(dir.file("missing.db"));
    ui.answerMessage(MsgAnswer::Yes);     // "Test new settings?"
    ui.answerMessage(MsgAnswer::Cancel);  // "Unable to connect to database"
    click("cmdOK");
    EXPECT_TRUE(optionsFile().isEmpty());
    EXPECT_EQ(text("txtAccessPath"), dir.file("missing.db")) << "the typed path stays";

    ui.clear();
    ui.answerMessage(MsgAnswer::Yes);
    ui.answerMessage(MsgAnswer::OK);
    click("cmdOK");
    QStringList titles;
    for (const MessageRequest& m : ui.messages()) titles << m.title;
    EXPECT_EQ(titles,
              (QStringList{"Test new settings?", "Unable to connect to database", "New settings"}));
    EXPECT_TRUE(
        optionsFile().contains(("\"srwsMDBPath\"=\"" + dir.file("missing.db") + "\"").toUtf8()));
}

}  // namespace
}  // namespace sentrel::test

namespace sentrel::test {
namespace {

TEST_F(OptionsDialog, LeavingBoxesChecksThemWhileTheDialogIsShown) {
    dialog->show();
    edit("txtTableOwner")->setText(" sa ");
    emit edit("txtTableOwner")->editingFinished();
    EXPECT_EQ(text("txtTableOwner"), "");
    edit("txtWebAddress")->setText("www.example.com/srws/");
    emit edit("txtWebAddress")->editingFinished();
    EXPECT_EQ(text("txtWebAddress"), "http://www.example.com");
    EXPECT_EQ(text("txtURL"), "http://www.example.com");
    QStringList titles;
    for (const MessageRequest& m : ui.messages()) titles << m.title;
    EXPECT_EQ(titles, (QStringList{"SA is not a valid table owner", "Invalid character"}));
    dialog->hide();
}

TEST_F(OptionsDialog, ServerBoxTellsTypingFromChoosingThePlaceholder) {
    dialog->tabs()->setCurrentIndex(int(OptionsTab::ReportsDatabase));
    auto* server = get<QComboBox>("cboServer");
    ASSERT_EQ(server->count(), 1);
    EXPECT_EQ(server->itemText(0), "<<Type server name or address>>");
    server->setEditText("db1");
    EXPECT_EQ(store->srwsServer, "db1");
    EXPECT_EQ(controller->reportingTabs().ShowState().state, DbState::DatabaseEmpty);
    emit server->activated(0);
    EXPECT_EQ(store->srwsServer, "db1") << "the placeholder is no server name";
    EXPECT_EQ(get<QLabel>("lblDbStatus")->text(),
              "Type a server name or IP address in the 'PostgreSQL server' field");
    EXPECT_EQ(server->currentText(), "<<Type server name or address>>");
}

}  // namespace
}  // namespace sentrel::test
