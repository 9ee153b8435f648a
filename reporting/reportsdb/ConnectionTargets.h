#pragma once

#include <QString>

#include "reporting/reportsdb/ReportsDbSettings.h"
#include "reporting/reportsdb/SQLConnection.h"

namespace sentrel::reportsdb {

// Opening an SQLite file: an existing file only (the connect and table tests), or creating
// it when missing (table creation; its folder is created by the caller).
enum class FileOpening { ExistingOnly, CreateWhenMissing };

// The connection to an SQLite file: busy time-out and WAL journal mode, so that the reports
// service and the editor can use the file at once.
ConnectionTarget fileTarget(const QString& path, FileOpening opening);

// The connection to `database` on the PostgreSQL server of the settings.
ConnectionTarget serverTarget(const ReportsDbSettings& settings, const QString& database);

// The host and port written in a server box ("db.example.com:5433", "[::1]:5433",
// "/run/postgresql:5433"); port -1 when none is given.
struct HostAndPort {
    QString host;
    int port = -1;
};
HostAndPort splitServer(const QString& server);

}  // namespace sentrel::reportsdb
