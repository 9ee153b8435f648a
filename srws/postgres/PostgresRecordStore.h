#pragma once

#include <memory>

#include "reporting/reportsdb/ReportsDatabase.h"
#include "reporting/reportsdb/SQLConnection.h"
#include "srws/RecordStore.h"

namespace sentrel::reportsdb {
class SqlDialect;
}

namespace sentrel::srws {

// Records in a PostgreSQL reports database, through the editor's reports database layer
// (Qt SQL). Failures raise ServiceError with that layer's source and description, the
// password never in it.
class PostgresRecordStore : public RecordStore {
  public:
    // Connects to the existing database.
    explicit PostgresRecordStore(const DatabaseSettings& settings);
    ~PostgresRecordStore() override;

    // Opens either kind of database the settings name.
    static std::unique_ptr<RecordStore> open(const DatabaseSettings& settings);

    void insert(const reportsdb::ReportTable& table, const FittedRecord& record) override;
    int countRows(const reportsdb::ReportTable& table, const char* column,
                  const std::string& value) override;
    void deleteRows(const reportsdb::ReportTable& table, const char* column,
                    const std::string& value) override;
    void inTransaction(const std::function<void()>& work) override;

  private:
    std::string qualified(const char* name) const;
    // Runs `work`, turning the database layer's errors into the service's.
    template <class Work>
    auto translated(Work&& work);

    reportsdb::ReportsDatabase database_;
    std::unique_ptr<reportsdb::SqlDialect> dialect_;
    reportsdb::SQLConnection connection_;
};

}  // namespace sentrel::srws
