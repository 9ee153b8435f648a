#include "reporting/reportsdb/ServerListing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <map>

#include "reporting/reportsdb/ConnectionTargets.h"
#include "shell/AppError.h"

namespace sentrel::reportsdb {

namespace {

const QString kTypeServer = QStringLiteral("<<Type server name or address>>");
const QString kSelectServer = QStringLiteral("<<Select or enter server name>>");
constexpr int kDefaultPort = 5432;

QString localName(int port) {
    return port == kDefaultPort ? QStringLiteral("localhost")
                                : QStringLiteral("localhost:%1").arg(port);
}

QStringList socketServers(const QString& folder) {
    static const QRegularExpression socketName(QStringLiteral(R"(^\.s\.PGSQL\.(\d+)$)"));
    std::map<int, QString> byPort;
    const QStringList names = QDir(folder).entryList(QDir::System | QDir::Hidden | QDir::Files);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = socketName.match(name);
        if (match.hasMatch())
            byPort[match.captured(1).toInt()] = localName(match.captured(1).toInt());
    }
    QStringList servers;
    for (const auto& entry : byPort) servers << entry.second;
    return servers;
}

// Each section of a service file is one server: its host, and ":PORT" when it names one.
QStringList serviceServers(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QStringList servers;
    QString host;
    QString port;
    const auto endSection = [&] {
        if (!host.isEmpty()) servers << (port.isEmpty() ? host : host + QLatin1Char(':') + port);
        host.clear();
        port.clear();
    };
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) endSection();
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || line.startsWith(QLatin1Char('#'))) continue;
        const QString key = line.left(equals).trimmed();
        if (key == QLatin1String("host")) host = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("port")) port = line.mid(equals + 1).trimmed();
    }
    endSection();
    return servers;
}

}  // namespace

ServerSources ServerSources::system() {
    ServerSources sources{QStringLiteral("/var/run/postgresql"), {}};
    const QString serviceFile = qEnvironmentVariable("PGSERVICEFILE");
    if (!serviceFile.isEmpty()) sources.serviceFiles << serviceFile;
    sources.serviceFiles << QDir::homePath() + QStringLiteral("/.pg_service.conf")
                         << QStringLiteral("/etc/postgresql-common/pg_service.conf");
    return sources;
}

ServerList ShowServers(const QString& currentName, const ServerSources& sources) {
    bool available = QFileInfo(sources.socketFolder).isDir();
    QStringList servers = available ? socketServers(sources.socketFolder) : QStringList();
    for (const QString& path : sources.serviceFiles) {
        if (!QFileInfo(path).isFile()) continue;
        available = true;
        servers << serviceServers(path);
    }
    servers.removeDuplicates();
    if (!available) return {{currentName.isEmpty() ? kTypeServer : currentName}, false};
    const QString first =
        !currentName.isEmpty() ? currentName : (servers.isEmpty() ? kTypeServer : kSelectServer);
    return {QStringList{first} + servers, true};
}

void ServerCatalog::Connect(const QString& server, bool useOsAuthentication, const QString& user,
                            const QString& password) {
    ReportsDbSettings settings;
    settings.kind = DatabaseKind::Server;
    settings.server = server;
    settings.useOsAuthentication = useOsAuthentication;
    settings.user = user;
    settings.password = password;
    try {
        connection_.Connect(serverTarget(settings, QStringLiteral("postgres")));
    } catch (const AppError& e) {
        throw AppError(kConnectFailed, e.description(), e.source());
    }
}

QStringList ServerCatalog::ShowDatabases() {
    if (!connection_.isConnected()) return {};
    return connection_.Query(QStringLiteral(
        "SELECT datname FROM pg_database WHERE NOT datistemplate AND datname <> 'postgres' "
        "ORDER BY datname"));
}

}  // namespace sentrel::reportsdb
