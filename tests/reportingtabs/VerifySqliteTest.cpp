#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

// Readable Qt values in failure messages.
#include "editing/QtPrinters.h"

#include "ReportingTabsFixture.h"

namespace sentrel::test {
namespace {

using VerifySqlite = ReportingTabsFixture;

MessageRequest unableToConnect(const QString& reason) {
    return {"Unable to connect to database",
            "Sentrel was unable to connect to the Reports database.\r\r[SQLConnection] Unable to "
            "connect to database\r[SQLite] " +
                reason + kSaveAnyway,
            MsgIcon::Exclamation, MsgButtons::OKCancel, 2};
}

const MessageRequest kInitializeQuestion{
    "Initialize Sentrel data tables?",
    "Sentrel is about to initialize the tables used for storing your statistics.\r\rNote that if "
    "these Sentrel tables already exist, then will be dropped and recreated, and any existing "
    "statistics will be deleted. Any other tables not related to Sentrel will be preserved.\r\rDo "
    "you wish to proceed with initialization?",
    MsgIcon::Question,
    MsgButtons::YesNo,
    1,
    1055};

const MessageRequest kSucceeded{"Test Succeeded", "The Sentrel Reports data table test succeeded.",
                                MsgIcon::Information};

TEST_F(VerifySqlite, FileWithoutTablesIsInitialisedAfterTwoYesesAndThenWorks) {
    const QString path = dir.write("reports.db", "");  // an empty file is an empty database
    useFile(path);
    ui.answerMessage(MsgAnswer::Yes);
    ui.answerMessage(MsgAnswer::Yes);
    tabs.testSettings();

    const MessageRequest tablesMissing{
        "Data Table test failed",
        "Unable to access the Sentrel Reports data tables.\r\rIt appears you received this "
        "message because the tables required by Sentrel Reports do not exist in this database.  "
        "Press the 'Initialize Report Tables' on the next screen to create the tables and try the "
        "test again.\r\r[SQLConnection] Unable to execute: INSERT INTO \"SNS\" "
        "(\"brow\"...\r[SQLite] "
        "no such table: SNS\r\rDo you want Sentrel to initialize the "
        "Sentrel Reports data tables for you now?",
        MsgIcon::Exclamation,
        MsgButtons::YesNo,
        1,
        1055};
    EXPECT_EQ(ui.messages(),
              (QList<MessageRequest>{tablesMissing, kInitializeQuestion, kSucceeded}));
    const ReportingFlags& flags = tabs.flags();
    EXPECT_TRUE(flags.tablesInitialized && flags.tablesTested && flags.tablesTestPassed);
    EXPECT_FALSE(flags.dbSettingsChanged);
    EXPECT_TRUE(flags.rptSettingsChanged);
    EXPECT_EQ(status(), "The SRWS data tables are working.");
    EXPECT_EQ(busyCalls, (QList<bool>{true, false}));

    // Tested again without initialising: the other wording; a changed path clears it.
    ui.clear();
    tabs.testSettings();
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{kSucceeded});
    EXPECT_EQ(status(), "The SRWS data tables are working.");
    tabs.setAccessDir(path + " ");
    EXPECT_EQ(status(), "Click on 'Initialize Tables' to create new tables, or click on 'Test'.");
}

TEST_F(VerifySqlite, FilesThatCannotBeOpenedGetTheConnectMessageWithTheReason) {
    QDir().mkpath(dir.file("folder.db"));
    const QString corrupt = dir.write("corrupt.db", QByteArray(4096, 'x'));
    const struct {
        QString path;
        QString reason;
    } cases[] = {
        {dir.file("missing.db"), "the file does not exist: " + dir.file("missing.db")},
        {corrupt, "file is not a database"},
        {dir.file("folder.db"), "unable to open database file"},
    };
    for (const auto& c : cases) {
        ui.clear();
        useFile(c.path);
        ui.answerMessage(MsgAnswer::Cancel);
        EXPECT_FALSE(tabs.VerifySQLSettings(true)) << c.path.toStdString();
        EXPECT_EQ(ui.messages(), QList<MessageRequest>{unableToConnect(c.reason)});
        EXPECT_EQ(options.srwsMDBPath, c.path) << "the typed setting stays";
        EXPECT_FALSE(QFile::exists(dir.file("missing.db"))) << "the test creates no file";
    }
    ui.clear();
    ui.answerMessage(MsgAnswer::OK);
    EXPECT_TRUE(tabs.VerifySQLSettings(true)) << "OK saves the settings anyway";
}

TEST_F(VerifySqlite, IncompleteSettingsAndUnchangedSettings) {
    EXPECT_TRUE(tabs.VerifySQLSettings(false)) << "nothing changed: nothing to verify";
    EXPECT_TRUE(ui.messages().isEmpty());

    useFile("  ");
    ui.answerMessage(MsgAnswer::Yes);  // "Test new settings?"
    ui.answerMessage(MsgAnswer::Cancel);
    EXPECT_FALSE(tabs.VerifySQLSettings(false));
    const MessageRequest question{
        "Test new settings?",
        "The settings for the Sentrel Reports database have changed. Would you like to verify "
        "that Sentrel can properly record statistics to the database using these new settings?",
        MsgIcon::Question, MsgButtons::YesNo};
    const MessageRequest incomplete{
        "Sentrel Reports Data Table Test",
        "There is an error with your settings on this form.\r\r[Setup] The SQLite database path "
        "setting is empty" +
            kSaveAnyway,
        MsgIcon::Exclamation, MsgButtons::OKCancel, 2};
    EXPECT_EQ(ui.messages(), (QList<MessageRequest>{question, incomplete}));

    ui.clear();
    ui.answerMessage(MsgAnswer::No);
    EXPECT_TRUE(tabs.VerifySQLSettings(false)) << "No skips the test and keeps the settings";
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{question});
}

TEST_F(VerifySqlite, DecliningInitialisationKeepsTheSettingsWithoutSuccess) {
    useFile(dir.write("reports.db", ""));
    ui.answerMessage(MsgAnswer::No);  // "Data Table test failed"
    ui.answerMessage(MsgAnswer::OK);
    EXPECT_TRUE(tabs.VerifySQLSettings(true));
    ASSERT_EQ(ui.messages().size(), 2);
    const MessageRequest unverified{"Unable to verify table",
                                    "Sentrel was unable to verify the data tables." + kSaveAnyway,
                                    MsgIcon::Exclamation, MsgButtons::OKCancel, 2};
    EXPECT_EQ(ui.messages()[1], unverified);

    ui.clear();
    ui.answerMessage(MsgAnswer::Yes);
    ui.answerMessage(MsgAnswer::No);  // the initialisation question
    EXPECT_TRUE(tabs.VerifySQLSettings(true));
    EXPECT_EQ(ui.messages().size(), 2) << "no success without tables";
    EXPECT_FALSE(tabs.flags().tablesTestPassed);
    EXPECT_EQ(status(), "The SRWS data tables are NOT working.");
}

TEST_F(VerifySqlite, InitializeReportTablesCreatesTheFileAndItsFolder) {
    const QString path = dir.file("reports/new/SNReports.db");
    useFile(path);
    ui.answerMessage(MsgAnswer::No);
    tabs.initializeReportTables();
    const MessageRequest createQuestion{
        "Create the data tables to store the statistics?",
        "Do you wish to initialize the tables which store the browser statistics? This action "
        "should be performed if you are setting up this database to hold the statistics for the "
        "first time, or if you wish to destroy the data already in the database and recreate the "
        "tables from scratch.\r\rNote: If the browser statistics tables already exist in this "
        "database, they will be dropped, and the data will be deleted.  No other tables in the "
        "database will be affected - this operation applies only to the tables used by Sentrel "
        "Reports. Click on 'Yes' to drop these tables, otherwise click on 'No'.",
        MsgIcon::Question, MsgButtons::YesNo, 2};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{createQuestion});
    EXPECT_FALSE(QFile::exists(path));

    ui.answerMessage(MsgAnswer::Yes);
    tabs.initializeReportTables();
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(tabs.flags().tablesInitialized);
    EXPECT_EQ(status(), "To test the SRWS data tables, click on 'Test'.");
    ui.clear();
    EXPECT_TRUE(tabs.VerifySQLSettings(true));
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{kSucceeded});

    // A folder where the file should be: the failure with the driver's reason.
    ui.clear();
    QDir().mkpath(dir.file("taken.db"));
    tabs.setAccessDir(dir.file("taken.db"));
    ui.answerMessage(MsgAnswer::Yes);
    tabs.initializeReportTables();
    ASSERT_EQ(ui.messages().size(), 2);
    EXPECT_EQ(ui.messages()[1],
              (MessageRequest{"Unable to create data tables",
                              "Unable to create Sentrel Reports' data tables.\r\r[SQLConnection] "
                              "Unable to connect to database\r[SQLite] unable to open database "
                              "file\r\rCheck your settings and try again.",
                              MsgIcon::None}));
    EXPECT_FALSE(tabs.flags().tablesInitialized);
}

TEST_F(VerifySqlite, FileChooserStartsInTheReportsFolder) {
    tabs.setUseAccess(true);
    ui.answerFile(std::nullopt);
    tabs.selectAccessFile();
    EXPECT_TRUE(options.srwsMDBPath.isEmpty()) << "cancelled: the box is unchanged";
    ui.answerFile(dir.file("reports/SNReports.db"));
    tabs.selectAccessFile();
    EXPECT_EQ(options.srwsMDBPath, dir.file("reports/SNReports.db"));
    ASSERT_EQ(ui.events().size(), 2);
    const FileRequest& request = ui.events()[0].file;
    EXPECT_EQ(request.directory, dir.path() + "/reports");
    EXPECT_EQ(request.fileName, "SNReports.db");
    EXPECT_EQ(request.filters, QStringList{"SQLite (*.db)"});
}

}  // namespace
}  // namespace sentrel::test
