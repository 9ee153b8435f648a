#pragma once

#include <QString>
#include <QStringList>

#include "reporting/reportsdb/SQLConnection.h"

namespace sentrel::reportsdb {

// Where local PostgreSQL servers are found: the folder of their sockets (".s.PGSQL.PORT")
// and the service files whose sections name hosts.
struct ServerSources {
    QString socketFolder;
    QStringList serviceFiles;

    // /var/run/postgresql; $PGSERVICEFILE, ~/.pg_service.conf and
    // /etc/postgresql-common/pg_service.conf.
    static ServerSources system();
};

// The entries of the server box: first the name typed before (or a placeholder line), then
// every server found. `available` is false when none of the sources exists; the box then
// holds only the typed name or "<<Type server name or address>>".
struct ServerList {
    QStringList entries;
    bool available = false;

    bool operator==(const ServerList&) const = default;
};

// Lists the servers of `sources`: a socket of port 5432 shows as "localhost", another port
// as "localhost:PORT"; a service shows as its host, with ":PORT" when it names a port.
ServerList ShowServers(const QString& currentName,
                       const ServerSources& sources = ServerSources::system());

// The databases of one server, for the "&Lookup..." button.
class ServerCatalog {
  public:
    // The number of the error raised when the server cannot be reached or refuses the login
    // (the classic automation error), so that "&Lookup..." can tell it from other failures.
    static constexpr int kConnectFailed = 440;

    // Connects to the server's "postgres" database with the operating system's own
    // authentication or with `user` and `password`. Failure raises an AppError numbered
    // kConnectFailed, with source and description as SQLConnection gives them.
    void Connect(const QString& server, bool useOsAuthentication, const QString& user,
                 const QString& password);
    void Disconnect() { connection_.Disconnect(); }
    // Every database that is not a template and not "postgres", sorted; empty when not
    // connected.
    QStringList ShowDatabases();

  private:
    SQLConnection connection_;
};

}  // namespace sentrel::reportsdb
