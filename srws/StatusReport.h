#pragma once

#include <string>
#include <vector>

#include "srws/RecordStore.h"

namespace sentrel::srws {

struct ServiceSettings;

// The outcome of one check of the status page.
struct CheckResult {
    enum class State { Passed, Failed, NotRun };
    std::string name;  // "Settings", "Connection", "Record through SNS", ...
    State state = State::NotRun;
    std::string detail;  // what was found, or why it failed

    bool operator==(const CheckResult&) const = default;
};

// What "?test" finds: whether the service found its settings, connected to the reports
// database, and got a test record in through each of the three views and out again.
struct StatusReport {
    std::string version;
    std::string databaseKind;    // "SQLite file" or "PostgreSQL database"
    std::string databaseTarget;  // the file, or database, server, schema and login; no password
    std::vector<CheckResult> checks;

    bool allPassed() const;

    // Runs every check in order, opening the database with `open`; a check whose
    // predecessor failed is not run. The test records go in and out within one transaction
    // each, so nothing stays behind.
    static StatusReport run(const ServiceSettings& settings, const RecordStoreOpener& open);

    // The HTML page. The database's kind and target, and the reasons of failures (which can
    // name files and servers), are shown only to requests from this machine (`local`).
    std::string html(bool local) const;
};

}  // namespace sentrel::srws
