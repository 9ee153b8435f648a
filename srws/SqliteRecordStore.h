#pragma once

#include <memory>
#include <string>

#include "srws/RecordStore.h"

struct sqlite3;
struct sqlite3_stmt;

namespace sentrel::srws {

// Records in an existing SQLite reports file, through SQLite's own interface. The file is
// opened as the editor's reports database layer opens it: never created, write-ahead
// journal, the same busy time-out; commits with synchronous=NORMAL, so a request does not
// wait for the disk (under WAL a record can then only be lost when the machine itself
// fails, never the file's consistency). Failures are "SQLConnection" errors naming SQLite's
// reason.
class SqliteRecordStore : public RecordStore {
  public:
    // Opens `path`; raises "Unable to connect to database" with SQLite's reason.
    explicit SqliteRecordStore(const std::string& path);
    // Opens the file the settings name; a PostgreSQL database is refused (the PostgreSQL
    // program serves those).
    static std::unique_ptr<RecordStore> open(const DatabaseSettings& settings);
    SqliteRecordStore(const SqliteRecordStore&) = delete;
    SqliteRecordStore& operator=(const SqliteRecordStore&) = delete;

    void insert(const reportsdb::ReportTable& table, const FittedRecord& record) override;
    int countRows(const reportsdb::ReportTable& table, const char* column,
                  const std::string& value) override;
    void deleteRows(const reportsdb::ReportTable& table, const char* column,
                    const std::string& value) override;
    void inTransaction(const std::function<void()>& work) override;

  private:
    struct StatementFinalizer {
        void operator()(sqlite3_stmt* statement) const;
    };
    using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

    [[noreturn]] void raise(const std::string& text, const std::string& reason) const;
    [[noreturn]] void raiseUnexecuted(const std::string& sql) const;
    void execute(const std::string& sql);
    Statement prepare(const std::string& sql);
    // Runs a statement with one text parameter; answers the first column of its first row.
    int runWithText(const std::string& sql, const std::string& value);

    struct Closer {
        void operator()(sqlite3* database) const;
    };
    std::unique_ptr<sqlite3, Closer> database_;
};

}  // namespace sentrel::srws
