#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "support/TempDir.h"

#include "reporting/reportsdb/ReportsDbSettings.h"

namespace sentrel {
class OptionStore;
}

namespace sentrel::test {

// One answer of the CGI program, split into its parts.
struct CgiAnswer {
    int exitCode = -1;
    bool crashed = false;
    int status = 0;  // from the "Status:" line
    QMap<QByteArray, QByteArray> headers;
    QByteArray body;
};

// A request as the web server passes it to the CGI program.
struct CgiCall {
    QByteArray method = "GET";
    QByteArray query;
    QByteArray body;
    QByteArray contentType;    // set for a POST with a body unless given
    QByteArray contentLength;  // the body's length unless given; "-" leaves it out
    QByteArray remote = "127.0.0.1";
};

// Report tables in `schema` of the throw-away PostgreSQL server, logged in with the password.
reportsdb::ReportsDbSettings postgresReports(const QString& schema);
// Options that name that database, as the Reports Database tab sets them.
void usePostgres(OptionStore& options, const reportsdb::ReportsDbSettings& server);

// The service as the editor sets it up: a key store whose options name an SQLite reports
// file (tables created by the reports database layer) and a log folder, in a fresh folder.
class ServiceSetup {
  public:
    // `withTables`: create the reports file with its tables.
    explicit ServiceSetup(bool withTables = true);

    QString root() const { return dir_.path(); }
    QString registryRoot() const { return dir_.file("registry"); }
    QString databasePath() const { return dir_.file("reports/SNReports.db"); }
    QString logFolder() const { return dir_.file("logs"); }
    // Writes the options key; `edit` changes the options first (as the dialog would).
    void writeOptions(const std::function<void(OptionStore&)>& edit = {}) const;

    // Runs the real CGI program once.
    CgiAnswer run(const CgiCall& call) const;
    // Runs the real CGI program for each call, `atOnce` processes at a time, as a web
    // server does under load; the answers in the calls' order.
    QList<CgiAnswer> runAll(const QList<CgiCall>& calls, int atOnce) const;
    // Runs the CGI program at `program` (the service deployed elsewhere) once.
    static CgiAnswer runProgram(const QString& program, const QProcessEnvironment& environment,
                                const CgiCall& call);

    // The first column of every row of a query on the reports file.
    QStringList rows(const QString& sql) const;
    // The rows of the three tables.
    int recordCount() const;
    // The service's log files' lines.
    QStringList logLines() const;

  private:
    QProcessEnvironment environment() const;
    static std::unique_ptr<QProcess> startProgram(const QString& program,
                                                  const QProcessEnvironment& environment,
                                                  const CgiCall& call);
    static CgiAnswer answerOf(QProcess& process);

    TempDir dir_;
};

}  // namespace sentrel::test
