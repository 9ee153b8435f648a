#pragma once

#include <memory>

#include "reporting/reportsdb/ReportsDatabase.h"
#include "reporting/reportsdb/SQLConnection.h"
#include "srws/RecordWriter.h"

namespace sentrel::reportsdb {
class SqlDialect;
}

namespace sentrel::srws {

// One connection of the service to the reports database through Qt SQL, for either kind:
// the status page's checks, and the records of the PostgreSQL kind. Failures raise the
// AppError of the reports database layer (the password never in its description).
class ReportsWriter : public RecordWriter {
  public:
    explicit ReportsWriter(const reportsdb::ReportsDbSettings& settings);
    ~ReportsWriter() override;

    // Opens the existing database.
    void connect();
    // Inserts the record through the table's view, its values bound.
    void insert(const reportsdb::ReportTable& table, const FittedRecord& record) override;
    // How many rows of `table` hold `value` in `column`.
    int countRows(const reportsdb::ReportTable& table, const char* column, const QString& value);
    // Deletes those rows through the table itself.
    void deleteRows(const reportsdb::ReportTable& table, const char* column, const QString& value);

    reportsdb::SQLConnection& connection() { return connection_; }

  private:
    QString whereClause(const reportsdb::ReportTable& table, const char* column) const;

    reportsdb::ReportsDbSettings settings_;
    reportsdb::ReportsDatabase database_;
    std::unique_ptr<reportsdb::SqlDialect> dialect_;
    reportsdb::SQLConnection connection_;
};

}  // namespace sentrel::srws
