#include "srws/StatusReport.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "shell/ProductVersion.h"
#include "srws/FittedRecord.h"
#include "srws/ServiceError.h"
#include "srws/ServiceSettings.h"

namespace sentrel::srws {

namespace {

using reportsdb::DatabaseKind;
using reportsdb::ReportTable;
using State = CheckResult::State;

// The text column each table's test record is found by, one per table in reportTables()
// order; each holds the marker (at most 25 characters).
const char* const kMarkerColumns[] = {"Browser", "Hittype", "ErrorType"};

std::string markerColumnView(const ReportTable& table, const char* column, DatabaseKind kind) {
    for (const auto& c : table.columns)
        if (std::strcmp(c.name, column) == 0) return c.viewNameFor(kind);
    return {};
}

std::string targetOf(const DatabaseSettings& db) {
    if (db.kind == DatabaseKind::File) return db.filePath;
    std::string target = db.database + " on " + db.server;
    if (!db.tableOwner.empty()) target += ", schema " + db.tableOwner;
    target += db.useOsAuthentication ? ", the operating system's own authentication"
                                     : ", user " + db.user;
    return target;
}

// Puts a marked record in through the view, finds it in the table, deletes it there and
// checks that it is gone.
void roundTrip(RecordStore& store, const ReportTable& table, const char* column,
               DatabaseKind kind) {
    const std::string marker = "srws-test-" + std::to_string(::getpid());
    const FormFields fields({{markerColumnView(table, column, kind), marker}});
    store.inTransaction([&] {
        store.insert(table, FittedRecord::fit(table, kind, fields, std::time(nullptr)));
        if (store.countRows(table, column, marker) != 1)
            throw ServiceError(
                "SRWS",
                std::string("the record inserted through the view is not in ") + table.name);
        store.deleteRows(table, column, marker);
        if (store.countRows(table, column, marker) != 0)
            throw ServiceError(
                "SRWS", std::string("the test record could not be deleted from ") + table.name);
    });
}

std::string escaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '&':
                out += "&amp;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

const char* stateText(State state) {
    switch (state) {
        case State::Passed:
            return "passed";
        case State::Failed:
            return "FAILED";
        case State::NotRun:
            break;
    }
    return "not run";
}

// Runs one check: passed with `passed` as its detail, or failed with the error's text.
void check(CheckResult& result, const char* passed, const std::function<void()>& work) {
    try {
        work();
        result.state = State::Passed;
        result.detail = passed;
    } catch (const ServiceError& error) {
        result.state = State::Failed;
        result.detail = error.text();
    }
}

}  // namespace

bool StatusReport::allPassed() const {
    return std::all_of(checks.begin(), checks.end(),
                       [](const CheckResult& check) { return check.state == State::Passed; });
}

StatusReport StatusReport::run(const ServiceSettings& settings, const RecordStoreOpener& open) {
    StatusReport report;
    report.version = product::kVersionText;
    const DatabaseSettings& db = settings.database;
    report.databaseKind = db.kind == DatabaseKind::File ? "SQLite file" : "PostgreSQL database";
    report.databaseTarget = targetOf(db);
    report.checks.push_back({"Settings", settings.found ? State::Passed : State::Failed,
                             settings.found ? "found" : settings.problem});
    report.checks.push_back({"Connection", State::NotRun, {}});
    for (const ReportTable& table : reportsdb::reportTables())
        report.checks.push_back({std::string("Record through ") + table.view, State::NotRun, {}});
    if (!settings.found) return report;

    std::unique_ptr<RecordStore> store;
    check(report.checks[1], "connected", [&] { store = open(db); });
    if (!store) return report;
    for (std::size_t i = 0; i < reportsdb::reportTables().size(); ++i) {
        check(report.checks[2 + i], "written and deleted again",
              [&] { roundTrip(*store, reportsdb::reportTables()[i], kMarkerColumns[i], db.kind); });
    }
    return report;
}

std::string StatusReport::html(bool local) const {
    std::string rows;
    for (const CheckResult& check : checks) {
        const bool showDetail = local || check.state != State::Failed;
        const std::string state = stateText(check.state);
        rows += "<tr><td>" + escaped(check.name) + "</td><td class=\"" + state + "\">" + state +
                "</td><td>" +
                (showDetail ? escaped(check.detail) : "details in the service's log") +
                "</td></tr>\n";
    }
    const std::string database =
        local ? "<p>Database: " + escaped(databaseKind) + ' ' + escaped(databaseTarget) + "</p>\n"
              : "";
    const char* summary = allPassed() ? "All checks passed." : "Some checks failed.";
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
           "<title>Sentrel Reports Web Service</title></head>\n<body>\n"
           "<h1>Sentrel Reports Web Service</h1>\n<p>Version " +
           escaped(version) + "</p>\n" + database +
           "<table>\n<tr><th>Check</th><th>Result</th><th>Details</th></tr>\n" + rows +
           "</table>\n<p id=\"summary\">" + summary + "</p>\n</body></html>\n";
}

}  // namespace sentrel::srws
