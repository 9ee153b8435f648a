#pragma once

#include <QString>

#include "reporting/reportsdb/ReportsDbSettings.h"

namespace sentrel::srws {

class ServiceLog;

// What the service needs from the editor's options key in the key store: the reports
// database and the folder of its log files.
struct ServiceSettings {
    // Whether the options key exists and names a database (an SQLite file, or a
    // PostgreSQL server and database); when not, `problem` says what is missing.
    bool found = false;
    QString problem;
    reportsdb::ReportsDbSettings database;
    QString logFolder;  // srwsLogFilePath

    // Reads the options from the key store at `registryRoot` ($SENTREL_REGISTRY, else the
    // key store's default root, when empty). Reading never fails: what is missing or
    // unreadable reads as not found.
    static ServiceSettings load(const ServiceLog& log, const QString& registryRoot = QString());
};

}  // namespace sentrel::srws
