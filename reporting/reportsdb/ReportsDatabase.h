#pragma once

#include <memory>

#include "reporting/reportsdb/ReportsDbSettings.h"

namespace sentrel::reportsdb {

class SQLConnection;
class SqlDialect;

// The work behind the Reports Database tab for the kind the settings choose: the connect
// test, the table test and the creation of the three tables and views. Each call opens its
// own connection and closes it again. Failures raise the AppError of SQLConnection (number
// AppError::kObjectErrorBase, source "SQLConnection", the driver's reason in the
// description, the password never in it).
class ReportsDatabase {
  public:
    explicit ReportsDatabase(ReportsDbSettings settings);
    ~ReportsDatabase();

    // Opens the database and closes it again. A file that does not exist is not created:
    // the description then holds "[SQLite] the file does not exist: " + path.
    void ConnectTest() const;
    // Inserts a test record through the SNS and PLT views and deletes it through their
    // tables, in one transaction. Missing tables show in the description as SQLite's
    // "no such table: SNS" or PostgreSQL's "relation "owner.SNS" does not exist".
    void TableTest() const;
    // (Re)creates the three tables and views in one transaction: on failure the database
    // keeps what it had. The file kind first creates the file and its folder when missing;
    // the server kind creates the owner's schema when missing. Other objects are untouched.
    void CreateTables() const;

    // Opens `connection` to the existing database (as the tests do) for other work on the
    // tables, in the SQL of `dialect()`.
    void OpenExisting(SQLConnection& connection) const { open(connection, false); }
    std::unique_ptr<SqlDialect> dialect() const;

  private:
    void open(SQLConnection& connection, bool create) const;

    ReportsDbSettings settings_;
};

}  // namespace sentrel::reportsdb
