#include <gtest/gtest.h>

// Readable Qt values; every test file of the program includes it, so that all agree.
#include "editing/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "DescriptionOf.h"
#include "RecordRoundTrip.h"
#include "reporting/reportsdb/ConnectionTargets.h"
#include "reporting/reportsdb/ReportsDatabase.h"
#include "reporting/reportsdb/SqliteDialect.h"
#include "support/TempDir.h"

using namespace sentrel;
using namespace sentrel::reportsdb;
using sentrel::test::descriptionOf;
using sentrel::test::failureOf;

namespace {

class SqliteReportsTest : public ::testing::Test {
  protected:
    ReportsDatabase database(const QString& path) const {
        ReportsDbSettings settings;
        settings.filePath = path;
        return ReportsDatabase(settings);
    }

    QStringList objects(const QString& path) const {
        reportsdb::SQLConnection connection;
        connection.Connect(fileTarget(path, FileOpening::ExistingOnly));
        return connection.Query(
            "SELECT type || ' ' || name FROM sqlite_master ORDER BY type, name");
    }

    static std::string runAsNobody(const QString& job, const QString& path) {
        QProcess worker;
        worker.start(QStringLiteral(REPORTSDB_WORKER), {job, path});
        EXPECT_TRUE(worker.waitForFinished(60000));
        return worker.readAllStandardOutput().trimmed().toStdString();
    }

    test::TempDir dir;
    // Characters that mean something in a "file:" URI must stay part of the name.
    QString folder = dir.file("my reports#1");
    QString path = folder + "/SN?Reports%20.db";
};

}  // namespace

TEST_F(SqliteReportsTest, TestsOpenOnlyAFileThatExistsAndCreationMakesFileAndFolder) {
    const AppError missing = failureOf([&] { database(path).ConnectTest(); });
    EXPECT_EQ(missing.number(), AppError::kObjectErrorBase);
    EXPECT_EQ(missing.source(), "SQLConnection");
    EXPECT_EQ(
        missing.description().toStdString(),
        "Unable to connect to database\r[SQLite] the file does not exist: " + path.toStdString());
    EXPECT_EQ(descriptionOf([&] { database(path).TableTest(); }),
              missing.description().toStdString());
    EXPECT_FALSE(QFileInfo::exists(folder));

    database(path).CreateTables();
    EXPECT_TRUE(QFileInfo(path).isFile());
    EXPECT_EQ(failureOf([&] { database(path).ConnectTest(); }).number(), 0);
    EXPECT_EQ(failureOf([&] { database(path).TableTest(); }).number(), 0);
}

TEST_F(SqliteReportsTest, AFileWithoutTablesFailsTheTableTestWithSQLitesReason) {
    QDir().mkpath(folder);
    { QFile(path).open(QIODevice::WriteOnly); }  // an empty file is an empty database
    database(path).ConnectTest();
    EXPECT_EQ(descriptionOf([&] { database(path).TableTest(); }),
              "Unable to execute: INSERT INTO \"SNS\" (\"brow\"...\r[SQLite] no such table: SNS");
}

TEST_F(SqliteReportsTest, InitialisingTwiceKeepsOnlyTheReportObjectsAndOtherTablesRows) {
    database(path).CreateTables();
    {
        reportsdb::SQLConnection connection;
        connection.Connect(fileTarget(path, FileOpening::ExistingOnly));
        connection.Execute("CREATE TABLE mine (a TEXT)");
        connection.Execute("INSERT INTO mine VALUES (?)", {"kept"});
        connection.Execute("INSERT INTO SNS (brow) VALUES (?)", {"old record"});
    }
    database(path).CreateTables();
    EXPECT_EQ(objects(path),
              QStringList({"table BrowserErrors", "table SNPLT", "table SNSTATS", "table mine",
                           "table sqlite_sequence", "trigger BROWERR_insert", "trigger PLT_insert",
                           "trigger SNS_insert", "view BROWERR", "view PLT", "view SNS"}));
    reportsdb::SQLConnection connection;
    connection.Connect(fileTarget(path, FileOpening::ExistingOnly));
    EXPECT_EQ(connection.Query("SELECT a FROM mine"), QStringList{"kept"});
    EXPECT_EQ(connection.Query("SELECT count(*) FROM SNSTATS"), QStringList{"0"});
    EXPECT_EQ(connection.Query("PRAGMA journal_mode"), QStringList{"wal"});
    EXPECT_EQ(connection.Query("SELECT name || ' ' || type FROM pragma_table_info('SNPLT') "
                               "WHERE cid < 6"),
              QStringList({"SNStatID INTEGER", "LastUpdate DATETIME", "Latency INTEGER",
                           "Intra INTEGER", "Hittype TEXT(25)", "Page TEXT"}));
}

TEST_F(SqliteReportsTest, ARecordThroughEachViewLandsInEveryColumnOfItsTable) {
    database(path).CreateTables();
    reportsdb::SQLConnection connection;
    connection.Connect(fileTarget(path, FileOpening::ExistingOnly));
    EXPECT_EQ(test::expectEveryViewColumnLands(connection, SqliteDialect()),
              QList<int>({164, 21, 21}));
    // The key counts up by itself.
    connection.Execute("INSERT INTO PLT (Hittype) VALUES (?)", {"second"});
    EXPECT_EQ(connection.Query("SELECT SNStatID FROM SNPLT ORDER BY SNStatID"),
              QStringList({"1", "2"}));
}

TEST_F(SqliteReportsTest, MemoColumnsKeepDigitsWithLeadingZerosAsText) {
    database(path).CreateTables();
    reportsdb::SQLConnection connection;
    connection.Connect(fileTarget(path, FileOpening::ExistingOnly));
    connection.Execute("INSERT INTO PLT (p) VALUES (?)", {"0012"});
    connection.Execute("INSERT INTO BROWERR (es, ef, ua) VALUES (?, ?, ?)",
                       {"0012", "0012", "0012"});
    EXPECT_EQ(connection.Query("SELECT typeof(Page) || ' ' || Page FROM SNPLT"),
              QStringList{"text 0012"});
    EXPECT_EQ(connection.Query("SELECT typeof(ErrorStr) || typeof(ErrorFile) || "
                               "typeof(UserAgent) || ' ' || ErrorStr || ErrorFile || UserAgent "
                               "FROM BrowserErrors"),
              QStringList{"texttexttext 001200120012"});
}

TEST_F(SqliteReportsTest, BadFilesGiveSQLitesReasonAndAreLeftAsTheyWere) {
    const QString corrupt = dir.write("corrupt.db", QByteArray(4096, 'x'));
    const AppError notADatabase = failureOf([&] { database(corrupt).ConnectTest(); });
    EXPECT_EQ(notADatabase.description().toStdString(),
              "Unable to connect to database\r[SQLite] file is not a database");
    EXPECT_EQ(descriptionOf([&] { database(corrupt).CreateTables(); }),
              notADatabase.description().toStdString());
    EXPECT_EQ(test::TempDir::read(corrupt), QByteArray(4096, 'x'));

    const std::string notAFile =
        "Unable to connect to database\r[SQLite] unable to open database file";
    EXPECT_EQ(descriptionOf([&] { database(dir.path()).ConnectTest(); }), notAFile);
    EXPECT_EQ(descriptionOf([&] { database(dir.path()).CreateTables(); }), notAFile);
}

TEST_F(SqliteReportsTest, AFileTheUserMayOnlyReadIsRefusedWithSQLitesReason) {
    database(path).CreateTables();
    const auto readOnly =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(dir.path(), readOnly);
    QFile::setPermissions(folder, readOnly);
    const std::string refused =
        "[SQLConnection] Unable to connect to database\r[SQLite] attempt to write a readonly "
        "database";
    EXPECT_EQ(runAsNobody("connect-test", path), refused);
    EXPECT_EQ(runAsNobody("table-test", path), refused);
    EXPECT_EQ(runAsNobody("create-tables", path), refused);
    EXPECT_EQ(objects(path).size(), 10);
    const QString elsewhere = folder + "/new/SNReports.db";
    EXPECT_EQ(runAsNobody("create-tables", elsewhere),
              "[SQLConnection] Unable to connect to database\r[SQLite] unable to create the "
              "folder: " +
                  (folder + "/new").toStdString());
    EXPECT_FALSE(QFileInfo::exists(folder + "/new"));
}

TEST_F(SqliteReportsTest, ConnectionsBindValuesReportFailuresAndLeaveNoConnectionBehind) {
    {
        reportsdb::SQLConnection connection;
        EXPECT_EQ(descriptionOf([&] { connection.Execute("SELECT 1"); }),
                  "Unable to execute: SELECT 1...\r[SQLConnection] Not connected");
        connection.Connect(fileTarget(dir.file("plain.db"), FileOpening::CreateWhenMissing));
        EXPECT_TRUE(connection.ExecuteSuppressErrors("CREATE TABLE t (a TEXT)"));
        EXPECT_FALSE(connection.ExecuteSuppressErrors("CREATE TABLE t (a TEXT)"));
        connection.Execute("INSERT INTO t VALUES (?)", {"x'); DROP TABLE t; --"});
        EXPECT_EQ(connection.Query("SELECT a FROM t"), QStringList{"x'); DROP TABLE t; --"});
        const AppError failed = failureOf([&] { connection.Execute("SELECT absent FROM t"); });
        EXPECT_EQ(failed.number(), AppError::kObjectErrorBase);
        EXPECT_EQ(failed.source(), "SQLConnection");
        EXPECT_EQ(failed.description().toStdString(),
                  "Unable to execute: SELECT absent FROM t...\r[SQLite] no such column: absent");

        reportsdb::SQLConnection noDriver;
        EXPECT_EQ(descriptionOf([&] {
                      noDriver.Connect({"QNOSUCH", path});
                  }),
                  "Unable to find the Qt SQL driver QNOSUCH\r[QNOSUCH] Driver not loaded");
        EXPECT_FALSE(noDriver.isConnected());
    }
    EXPECT_EQ(QSqlDatabase::connectionNames(), QStringList());
}
