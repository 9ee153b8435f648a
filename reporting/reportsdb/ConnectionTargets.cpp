#include "reporting/reportsdb/ConnectionTargets.h"

#include <QUrl>
#include <QUrlQuery>

namespace sentrel::reportsdb {

ConnectionTarget fileTarget(const QString& path, FileOpening opening) {
    // A "file:" URI with mode=rw opens an existing file without ever creating one.
    QUrl uri = QUrl::fromLocalFile(path);
    uri.setQuery(opening == FileOpening::ExistingOnly ? QStringLiteral("mode=rw")
                                                      : QStringLiteral("mode=rwc"));
    ConnectionTarget target;
    target.driver = QStringLiteral("QSQLITE");
    target.databaseName = uri.toString(QUrl::FullyEncoded);
    target.connectOptions =
        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kTimeoutSeconds * 1000);
    target.setupStatements = {QStringLiteral("PRAGMA journal_mode=WAL")};
    return target;
}

HostAndPort splitServer(const QString& server) {
    const QString text = server.trimmed();
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    bool numeric = false;
    const int port = colon > 0 ? text.mid(colon + 1).toInt(&numeric) : -1;
    // A colon inside a bare IPv6 address is no port separator; "[address]:port" is.
    const bool bareV6 = text.count(QLatin1Char(':')) > 1 && !text.startsWith(QLatin1Char('['));
    if (!numeric || bareV6) return {text, -1};
    QString host = text.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']'))) {
        host = host.mid(1, host.size() - 2);
    }
    return {host, port};
}

ConnectionTarget serverTarget(const ReportsDbSettings& settings, const QString& database) {
    const HostAndPort where = splitServer(settings.server);
    ConnectionTarget target;
    target.driver = QStringLiteral("QPSQL");
    target.databaseName = database;
    target.host = where.host;
    target.port = where.port;
    if (!settings.useOsAuthentication) {
        target.user = settings.user;
        target.password = settings.password;
    }
    target.connectOptions = QStringLiteral("connect_timeout=%1").arg(kTimeoutSeconds);
    // Notices ("does not exist, skipping") are no errors and would only reach the console.
    target.setupStatements = {
        QStringLiteral("SET statement_timeout = %1").arg(kTimeoutSeconds * 1000),
        QStringLiteral("SET client_min_messages = warning")};
    return target;
}

}  // namespace sentrel::reportsdb
