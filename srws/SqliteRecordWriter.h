#pragma once

#include <memory>

#include "srws/RecordWriter.h"

struct sqlite3;

namespace sentrel::srws {

// Writes records into an existing SQLite reports file through SQLite's own interface. The
// file is opened as the reports database layer opens it: never created, write-ahead
// journal, the same busy time-out; commits with synchronous=NORMAL, so a request does not
// wait for the disk (under WAL a record can then only be lost when the machine itself
// fails, never the file's consistency).
class SqliteRecordWriter : public RecordWriter {
  public:
    // Opens `path`; raises "Unable to connect to database" with SQLite's reason.
    explicit SqliteRecordWriter(const QString& path);
    SqliteRecordWriter(const SqliteRecordWriter&) = delete;
    SqliteRecordWriter& operator=(const SqliteRecordWriter&) = delete;

    void insert(const reportsdb::ReportTable& table, const FittedRecord& record) override;

  private:
    [[noreturn]] void raise(const QString& text, const QString& reason) const;
    [[noreturn]] void raiseUnexecuted(const QString& sql) const;
    void execute(const QString& sql);

    struct Closer {
        void operator()(sqlite3* database) const;
    };
    std::unique_ptr<sqlite3, Closer> database_;
};

}  // namespace sentrel::srws
