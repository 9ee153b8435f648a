#include <gtest/gtest.h>

// Readable Qt values; every test file of the program includes it, so that all agree.
#include "editing/QtPrinters.h"

#include <QFile>
#include <QFileInfo>

#include "reporting/reportsdb/ConnectionTargets.h"
#include "reporting/reportsdb/ReportsDatabase.h"
#include "reporting/reportsdb/SQLConnection.h"
#include "srws/FittedRecord.h"
#include "srws/ServiceError.h"
#include "srws/SqliteRecordStore.h"
#include "support/TempDir.h"

using namespace sentrel;
using namespace sentrel::srws;
using reportsdb::DatabaseKind;
using reportsdb::reportTables;

namespace {

using Fields = std::vector<FormFields::Field>;

// 2026-05-06 07:08:09 local time.
std::time_t received() {
    std::tm local{};
    local.tm_year = 126, local.tm_mon = 4, local.tm_mday = 6;
    local.tm_hour = 7, local.tm_min = 8, local.tm_sec = 9, local.tm_isdst = -1;
    return std::mktime(&local);
}

// An SQLite reports file with its tables, as the editor creates it.
class SqliteRecordStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings.filePath = dir.file("reports/SNReports.db");
        reportsdb::ReportsDatabase(settings).CreateTables();
    }

    // Writes one record of table `table` through a connection of its own, closed again,
    // as one request of the service does.
    void log(int table, std::vector<FormFields::Field> fields) const {
        const FittedRecord record = FittedRecord::fit(reportTables()[table], DatabaseKind::File,
                                                      FormFields(std::move(fields)), received());
        store()->insert(reportTables()[table], record);
    }

    std::unique_ptr<RecordStore> store() const {
        DatabaseSettings file;
        file.filePath = settings.filePath.toStdString();
        return SqliteRecordStore::open(file);
    }

    QStringList rows(const QString& sql) const {
        reportsdb::SQLConnection connection;
        connection.Connect(
            reportsdb::fileTarget(settings.filePath, reportsdb::FileOpening::ExistingOnly));
        return connection.Query(sql);
    }

    // The failure of logging `fields` into the SNS view.
    std::pair<std::string, std::string> failureOf(std::vector<FormFields::Field> fields) const {
        try {
            log(0, std::move(fields));
        } catch (const ServiceError& error) {
            return {error.source(), error.what()};
        }
        return {};
    }

    test::TempDir dir;
    reportsdb::ReportsDbSettings settings;
};

}  // namespace

TEST_F(SqliteRecordStoreTest, TheJournalStaysBetweenRequestsAndIsEmptiedWhenLong) {
    log(0, {{"brow", "first"}});
    const QString journal = settings.filePath + "-wal";
    EXPECT_TRUE(QFile::exists(journal)) << "the journal is copied back at every request";
    EXPECT_EQ(rows("PRAGMA journal_mode"), QStringList{"wal"});

    // Each connection rebuilds the journal's index; the journal must not grow without end.
    for (int i = 0; i < 150; ++i) log(1, {{"p", std::to_string(i)}, {"hittype", "load"}});
    EXPECT_LT(QFileInfo(journal).size(), 100 * (4096 + 24) + 32);
    EXPECT_EQ(rows("SELECT COUNT(*) || ' ' || MIN(CAST(Page AS INTEGER)) || ' ' || "
                   "MAX(CAST(Page AS INTEGER)) FROM SNPLT"),
              QStringList{"150 0 149"});
    EXPECT_EQ(rows("PRAGMA integrity_check"), QStringList{"ok"});
}

TEST_F(SqliteRecordStoreTest, FailuresSayWhyAndCreateNothing) {
    QFile::remove(settings.filePath);
    EXPECT_EQ(failureOf({{"brow", "x"}}),
              std::pair(std::string("SQLConnection"),
                        "Unable to connect to database\r[SQLite] the file does not exist: " +
                            settings.filePath.toStdString()));
    EXPECT_FALSE(QFile::exists(settings.filePath));

    // A file without the reports tables.
    QFile(settings.filePath).open(QIODevice::WriteOnly);
    EXPECT_EQ(failureOf({{"brow", "x"}}),
              std::pair(std::string("SQLConnection"),
                        std::string("Unable to execute: INSERT INTO \"SNS\" (\"lu\", ...\r"
                                    "[SQLite] no such table: SNS")));
}

TEST_F(SqliteRecordStoreTest, ATransactionThatFailsLeavesNothingBehind) {
    const auto opened = store();
    const auto& errors = reportTables()[2];
    EXPECT_THROW(opened->inTransaction([&] {
        opened->insert(errors, FittedRecord::fit(errors, DatabaseKind::File,
                                                 FormFields(Fields{{"et", "marker"}}), received()));
        EXPECT_EQ(opened->countRows(errors, "ErrorType", "marker"), 1);
        throw ServiceError("SRWS", "stop");
    }),
                 ServiceError);
    EXPECT_EQ(opened->countRows(errors, "ErrorType", "marker"), 0);
    opened->inTransaction([&] {
        opened->insert(errors, FittedRecord::fit(errors, DatabaseKind::File,
                                                 FormFields(Fields{{"et", "kept"}}), received()));
    });
    opened->deleteRows(errors, "ErrorType", "other");
    EXPECT_EQ(rows("SELECT ErrorType FROM BrowserErrors"), QStringList{"kept"});
}
