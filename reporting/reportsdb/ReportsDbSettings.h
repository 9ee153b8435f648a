#pragma once

#include <QString>

#include "reporting/reportsdb/ReportTables.h"

namespace sentrel::reportsdb {

// What the Reports Database tab says about the database: the kind and, per kind, where the
// database is and how to log in.
struct ReportsDbSettings {
    DatabaseKind kind = DatabaseKind::File;
    // File kind: the SQLite file.
    QString filePath;
    // Server kind: "host", "host:port", "[v6 address]:port", or a socket folder ("/run/pg",
    // also "/run/pg:5433" for a port other than 5432).
    QString server;
    // The operating system's own authentication (peer, Kerberos): no user name or password
    // is sent.
    bool useOsAuthentication = false;
    QString user;
    QString password;
    QString database;
    // The schema of the tables and views; empty: the server's default schema, names
    // unqualified. Not used by the file kind.
    QString tableOwner;
};

}  // namespace sentrel::reportsdb
