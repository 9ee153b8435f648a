#pragma once

#include <string>

#include "reporting/reportsdb/ReportTables.h"

namespace sentrel::srws {

// The reports database the service writes to, as the options key describes it: an SQLite
// file, or a PostgreSQL server, login, database and schema (texts trimmed, the password as
// stored).
struct DatabaseSettings {
    reportsdb::DatabaseKind kind = reportsdb::DatabaseKind::File;
    std::string filePath;
    std::string server;
    bool useOsAuthentication = true;
    std::string user;
    std::string password;
    std::string database;
    std::string tableOwner;

    bool operator==(const DatabaseSettings&) const = default;
};

}  // namespace sentrel::srws
