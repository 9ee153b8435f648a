#pragma once

#include <QList>
#include <QString>

namespace sentrel::srws {

struct ServiceSettings;

// The outcome of one check of the status page.
struct CheckResult {
    enum class State { Passed, Failed, NotRun };
    QString name;  // "Settings", "Connection", "Record through SNS", ...
    State state = State::NotRun;
    QString detail;  // what was found, or why it failed

    bool operator==(const CheckResult&) const = default;
};

// What "?test" finds: whether the service found its settings, connected to the reports
// database, and got a test record in through each of the three views and out again.
struct StatusReport {
    QString version;
    QString databaseKind;    // "SQLite file" or "PostgreSQL database"
    QString databaseTarget;  // the file, or database, server, schema and login; no password
    QList<CheckResult> checks;

    bool allPassed() const;

    // Runs every check in order; a check whose predecessor failed is not run. The test
    // records go in and out within one transaction each, so nothing stays behind.
    static StatusReport run(const ServiceSettings& settings);

    // The HTML page. The database's kind and target, and the reasons of failures (which can
    // name files and servers), are shown only to requests from this machine (`local`).
    QString html(bool local) const;
};

}  // namespace sentrel::srws
