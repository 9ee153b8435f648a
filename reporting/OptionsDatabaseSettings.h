#pragma once

#include "reporting/reportsdb/ReportsDbSettings.h"

namespace sentrel {

class OptionStore;

// The reports database the options describe: the kind, the SQLite file, or the PostgreSQL
// server, login, database and table owner (texts trimmed, the password as stored). The
// options dialog tests and initialises this database; the reports web service writes to it.
reportsdb::ReportsDbSettings databaseSettingsOf(const OptionStore& options);

}  // namespace sentrel
