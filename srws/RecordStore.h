#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "reporting/reportsdb/ReportTables.h"
#include "srws/DatabaseSettings.h"

namespace sentrel::srws {

struct FittedRecord;

// One open connection of the service to the reports database: records go in through the
// views, their values bound; the status page also counts and deletes its test records in
// the tables. Failures raise ServiceError.
class RecordStore {
  public:
    virtual ~RecordStore() = default;

    // Inserts the record through the table's view.
    virtual void insert(const reportsdb::ReportTable& table, const FittedRecord& record) = 0;
    // How many rows of `table` hold `value` in `column`.
    virtual int countRows(const reportsdb::ReportTable& table, const char* column,
                          const std::string& value) = 0;
    // Deletes those rows through the table itself.
    virtual void deleteRows(const reportsdb::ReportTable& table, const char* column,
                            const std::string& value) = 0;
    // Runs `work` in one transaction: committed when it returns, rolled back when it throws
    // (the exception goes on).
    virtual void inTransaction(const std::function<void()>& work) = 0;

  protected:
    // `name` as an SQL identifier in double quotes.
    static std::string quoted(std::string_view name);
    // The statement that inserts `record` into `view` (already qualified and quoted), one
    // "?" per value.
    static std::string insertStatement(const std::string& view, const FittedRecord& record);
    // "`table` WHERE `column` = ?" for a table already qualified and quoted.
    static std::string whereClause(const std::string& table, const char* column);
};

// Opens the existing reports database the settings name.
using RecordStoreOpener = std::function<std::unique_ptr<RecordStore>(const DatabaseSettings&)>;

}  // namespace sentrel::srws
