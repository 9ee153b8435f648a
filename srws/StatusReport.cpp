#include "srws/StatusReport.h"

#include <QCoreApplication>
#include <algorithm>

#include "reporting/reportsdb/ReportTables.h"
#include "shell/AppError.h"
#include "shell/Product.h"
#include "srws/FittedRecord.h"
#include "srws/ReportsWriter.h"
#include "srws/ServiceSettings.h"

namespace sentrel::srws {

namespace {

using reportsdb::DatabaseKind;
using reportsdb::ReportTable;
using State = CheckResult::State;

// The text column each table's test record is found by, one per table in reportTables()
// order; each holds the marker (at most 25 characters).
const char* const kMarkerColumns[] = {"Browser", "Hittype", "ErrorType"};

QString markerColumnView(const ReportTable& table, const char* column, DatabaseKind kind) {
    for (const auto& c : table.columns)
        if (qstrcmp(c.name, column) == 0) return QString::fromLatin1(c.viewNameFor(kind));
    return QString();
}

QString targetOf(const reportsdb::ReportsDbSettings& db) {
    if (db.kind == DatabaseKind::File) return db.filePath;
    QString target = db.database + QStringLiteral(" on ") + db.server;
    if (!db.tableOwner.isEmpty()) target += QStringLiteral(", schema ") + db.tableOwner;
    target += db.useOsAuthentication ? QStringLiteral(", the operating system's own authentication")
                                     : QStringLiteral(", user ") + db.user;
    return target;
}

// Puts a marked record in through the view, finds it in the table, deletes it there and
// checks that it is gone.
void roundTrip(ReportsWriter& writer, const ReportTable& table, const char* column,
               DatabaseKind kind) {
    const QString marker = QStringLiteral("srws-test-%1").arg(QCoreApplication::applicationPid());
    const FormFields fields({{markerColumnView(table, column, kind), marker}});
    writer.connection().InTransaction([&] {
        writer.insert(table, FittedRecord::fit(table, kind, fields, QDateTime::currentDateTime()));
        if (writer.countRows(table, column, marker) != 1)
            throw AppError(AppError::kObjectErrorBase,
                           QStringLiteral("the record inserted through the view is not in ") +
                               QString::fromLatin1(table.name),
                           QStringLiteral("SRWS"));
        writer.deleteRows(table, column, marker);
        if (writer.countRows(table, column, marker) != 0)
            throw AppError(AppError::kObjectErrorBase,
                           QStringLiteral("the test record could not be deleted from ") +
                               QString::fromLatin1(table.name),
                           QStringLiteral("SRWS"));
    });
}

QString errorText(const AppError& error) {
    return QLatin1Char('[') + error.source() + QStringLiteral("] ") + error.description();
}

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
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

}  // namespace

bool StatusReport::allPassed() const {
    return std::all_of(checks.begin(), checks.end(),
                       [](const CheckResult& check) { return check.state == State::Passed; });
}

StatusReport StatusReport::run(const ServiceSettings& settings) {
    StatusReport report;
    report.version = product::kVersion;
    const auto& db = settings.database;
    report.databaseKind = db.kind == DatabaseKind::File ? QStringLiteral("SQLite file")
                                                        : QStringLiteral("PostgreSQL database");
    report.databaseTarget = targetOf(db);
    report.checks << CheckResult{QStringLiteral("Settings"),
                                 settings.found ? State::Passed : State::Failed,
                                 settings.found ? QStringLiteral("found") : settings.problem};
    report.checks << CheckResult{QStringLiteral("Connection"), State::NotRun, QString()};
    for (const ReportTable& table : reportsdb::reportTables())
        report.checks << CheckResult{
            QStringLiteral("Record through ") + QString::fromLatin1(table.view), State::NotRun,
            QString()};
    if (!settings.found) return report;

    ReportsWriter writer(db);
    try {
        writer.connect();
        report.checks[1] = {report.checks[1].name, State::Passed, QStringLiteral("connected")};
    } catch (const AppError& error) {
        report.checks[1] = {report.checks[1].name, State::Failed, errorText(error)};
        return report;
    }
    for (int i = 0; i < int(reportsdb::reportTables().size()); ++i) {
        CheckResult& check = report.checks[2 + i];
        try {
            roundTrip(writer, reportsdb::reportTables()[i], kMarkerColumns[i], db.kind);
            check.state = State::Passed;
            check.detail = QStringLiteral("written and deleted again");
        } catch (const AppError& error) {
            check.state = State::Failed;
            check.detail = errorText(error);
        }
    }
    return report;
}

QString StatusReport::html(bool local) const {
    QString rows;
    for (const CheckResult& check : checks) {
        const bool showDetail = local || check.state != State::Failed;
        rows += QStringLiteral("<tr><td>%1</td><td class=\"%2\">%2</td><td>%3</td></tr>\n")
                    .arg(escaped(check.name), QString::fromLatin1(stateText(check.state)),
                         showDetail ? escaped(check.detail)
                                    : QStringLiteral("details in the service's log"));
    }
    const QString database = local ? QStringLiteral("<p>Database: %1 %2</p>\n")
                                         .arg(escaped(databaseKind), escaped(databaseTarget))
                                   : QString();
    const QString summary =
        allPassed() ? QStringLiteral("All checks passed.") : QStringLiteral("Some checks failed.");
    return QStringLiteral(
               "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
               "<title>Sentrel Reports Web Service</title></head>\n<body>\n"
               "<h1>Sentrel Reports Web Service</h1>\n<p>Version %1</p>\n%2"
               "<table>\n<tr><th>Check</th><th>Result</th><th>Details</th></tr>\n%3</table>\n"
               "<p id=\"summary\">%4</p>\n</body></html>\n")
        .arg(escaped(version), database, rows, summary);
}

}  // namespace sentrel::srws
