#include "ServiceSetup.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include "PostgresServer.h"
#include "registry/KeyPaths.h"
#include "registry/mdlRegistry.h"
#include "reporting/OptionStore.h"
#include "reporting/reportsdb/ConnectionTargets.h"
#include "reporting/reportsdb/ReportsDatabase.h"
#include "reporting/reportsdb/SQLConnection.h"
#include "shell/ScriptedInteraction.h"

namespace sentrel::test {

reportsdb::ReportsDbSettings postgresReports(const QString& schema) {
    reportsdb::ReportsDbSettings server;
    server.kind = reportsdb::DatabaseKind::Server;
    server.server = PostgresServer::instance().tcpServer();
    server.useOsAuthentication = false;
    server.user = PostgresServer::kUser;
    server.password = PostgresServer::kPassword;
    server.database = PostgresServer::kDatabase;
    server.tableOwner = schema;
    reportsdb::ReportsDatabase(server).CreateTables();
    return server;
}

void usePostgres(OptionStore& options, const reportsdb::ReportsDbSettings& server) {
    options.srwsProviderType = SrwsProvider::SqlServer;
    options.srwsServer = server.server;
    options.srwsIntegratedSecurity = server.useOsAuthentication;
    options.srwsUsername = server.user;
    options.srwsPassword = server.password;
    options.srwsDatabase = server.database;
    options.srwsTableOwner = server.tableOwner;
}

ServiceSetup::ServiceSetup(bool withTables) {
    QDir().mkpath(logFolder());
    if (withTables) {
        reportsdb::ReportsDbSettings settings;
        settings.filePath = databasePath();
        reportsdb::ReportsDatabase(settings).CreateTables();
    }
    writeOptions();
}

void ServiceSetup::writeOptions(const std::function<void(OptionStore&)>& edit) const {
    ScriptedInteraction ui;
    reg::mdlRegistry registry(ui, reg::KeyStore(registryRoot()));
    // The installation folder, where the service finds its PostgreSQL program.
    registry.setString(reg::kProductKey, reg::kBaseDirValue, root());
    QDir().mkpath(dir_.file("srws"));
    QFile::link(QStringLiteral(SRWS_POSTGRES_PROGRAM), dir_.file("srws/sentrel-srws-postgres"));
    OptionStore options(registry, root());
    options.srwsProviderType = SrwsProvider::Access;
    options.srwsMDBPath = databasePath();
    options.srwsLogFilePath = logFolder();
    if (edit) edit(options);
    options.save();
}

QProcessEnvironment ServiceSetup::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("SENTREL_REGISTRY", registryRoot());
    environment.insert("SENTREL_SRWS_POSTGRES", dir_.file("srws/sentrel-srws-postgres"));
    return environment;
}

CgiAnswer ServiceSetup::run(const CgiCall& call) const {
    return runProgram(QStringLiteral(SRWS_PROGRAM), environment(), call);
}

QList<CgiAnswer> ServiceSetup::runAll(const QList<CgiCall>& calls, int atOnce) const {
    QList<CgiAnswer> answers;
    for (qsizetype first = 0; first < calls.size(); first += atOnce) {
        std::vector<std::unique_ptr<QProcess>> running;
        for (qsizetype i = first; i < std::min(calls.size(), first + atOnce); ++i)
            running.push_back(startProgram(QStringLiteral(SRWS_PROGRAM), environment(), calls[i]));
        for (const auto& process : running) answers << answerOf(*process);
    }
    return answers;
}

CgiAnswer ServiceSetup::runProgram(const QString& program, const QProcessEnvironment& base,
                                   const CgiCall& call) {
    return answerOf(*startProgram(program, base, call));
}

std::unique_ptr<QProcess> ServiceSetup::startProgram(const QString& program,
                                                     const QProcessEnvironment& base,
                                                     const CgiCall& call) {
    QProcessEnvironment environment = base;
    environment.insert("GATEWAY_INTERFACE", "CGI/1.1");
    environment.insert("REQUEST_METHOD", QString::fromLatin1(call.method));
    environment.insert("QUERY_STRING", QString::fromLatin1(call.query));
    environment.insert("REMOTE_ADDR", QString::fromLatin1(call.remote));
    if (call.method == "POST") {
        const QByteArray type =
            call.contentType.isEmpty() ? "application/x-www-form-urlencoded" : call.contentType;
        environment.insert("CONTENT_TYPE", QString::fromLatin1(type));
        const QByteArray length = call.contentLength.isEmpty()
                                      ? QByteArray::number(call.body.size())
                                      : call.contentLength;
        if (length != "-") environment.insert("CONTENT_LENGTH", QString::fromLatin1(length));
    }
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment);
    process->start(program, {});
    process->write(call.body);
    process->closeWriteChannel();
    return process;
}

CgiAnswer ServiceSetup::answerOf(QProcess& process) {
    process.waitForFinished(30000);
    CgiAnswer answer;
    answer.crashed = process.exitStatus() != QProcess::NormalExit;
    answer.exitCode = process.exitCode();
    const QByteArray output = process.readAllStandardOutput();
    const qsizetype end = output.indexOf("\r\n\r\n");
    for (const QByteArray& line : output.left(end).split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0) answer.headers[line.left(colon)] = line.mid(colon + 1).trimmed();
    }
    answer.status = answer.headers.value("Status").split(' ').value(0).toInt();
    answer.body = end < 0 ? QByteArray() : output.mid(end + 4);
    return answer;
}

QStringList ServiceSetup::rows(const QString& sql) const {
    reportsdb::SQLConnection connection;
    connection.Connect(reportsdb::fileTarget(databasePath(), reportsdb::FileOpening::ExistingOnly));
    return connection.Query(sql);
}

int ServiceSetup::recordCount() const {
    return rows(
               "SELECT (SELECT COUNT(*) FROM SNSTATS) + (SELECT COUNT(*) FROM SNPLT) + "
               "(SELECT COUNT(*) FROM BrowserErrors)")
        .value(0)
        .toInt();
}

QStringList ServiceSetup::logLines() const {
    QStringList lines;
    for (const QFileInfo& file : QDir(logFolder()).entryInfoList({"srws-*.log"}, QDir::Files)) {
        lines += QString::fromUtf8(TempDir::read(file.filePath())).split('\n', Qt::SkipEmptyParts);
    }
    return lines;
}

}  // namespace sentrel::test
