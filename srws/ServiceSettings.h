#pragma once

#include <string>

#include "srws/DatabaseSettings.h"

namespace sentrel::srws {

// What the service needs from the editor's options key in the key store: the reports
// database and the folder of its log files, read as the editor's option store reads them
// (the same defaults, and a stored text shorter than two characters reads as unset).
struct ServiceSettings {
    // Whether the options key exists and names a database (an SQLite file, or a
    // PostgreSQL server and database); when not, `problem` says what is missing.
    bool found = false;
    std::string problem;
    DatabaseSettings database;
    std::string logFolder;  // srwsLogFilePath; by default in the installation folder

    // Reads the options from the key store at `registryRoot` ($SENTREL_REGISTRY, else the
    // key store's default root, when empty). Reading never fails: what is missing or
    // unreadable reads as not found.
    static ServiceSettings load(const std::string& registryRoot = {});
};

}  // namespace sentrel::srws
