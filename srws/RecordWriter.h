#pragma once

#include <QString>
#include <memory>

#include "reporting/reportsdb/ReportTables.h"
#include "reporting/reportsdb/ReportsDbSettings.h"

namespace sentrel::reportsdb {
class SqlDialect;
}

namespace sentrel::srws {

struct FittedRecord;

// Where a logged record goes: one open connection to the reports database that inserts
// records through the views, their values bound. Failures raise the AppError of the
// reports database layer (source "SQLConnection", "[SQLite] " or "[PostgreSQL] " before
// the driver's reason, the password never in it).
class RecordWriter {
  public:
    virtual ~RecordWriter() = default;

    // Inserts the record through the table's view.
    virtual void insert(const reportsdb::ReportTable& table, const FittedRecord& record) = 0;

    // Opens the existing database the settings name. The SQLite kind is written through
    // SQLite's own interface: a request that logs never loads a Qt SQL driver, which would
    // cost more than the rest of the request. The PostgreSQL kind goes through Qt SQL.
    static std::unique_ptr<RecordWriter> open(const reportsdb::ReportsDbSettings& settings);

  protected:
    // The statement that inserts `record` through the table's view, one "?" per value.
    static QString insertStatement(const reportsdb::SqlDialect& dialect,
                                   const reportsdb::ReportTable& table, const FittedRecord& record);
};

}  // namespace sentrel::srws
