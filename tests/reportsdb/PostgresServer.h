#pragma once

#include <QString>
#include <QTemporaryDir>

namespace sentrel::test {

// A throw-away PostgreSQL server for the tests of one test program: started on first use
// (initdb into a temporary folder as the account "postgres", a private socket folder and a
// free port on 127.0.0.1), stopped when the program's tests end.
//
// Its logins: "postgres" (trusted, on the socket), "root" (the operating system's own
// authentication, peer, on the socket) and the role kUser with kPassword (scram-sha-256 on
// the socket and on 127.0.0.1). The database kDatabase belongs to kUser, kRootDatabase
// to root.
class PostgresServer {
  public:
    static constexpr const char* kUser = "reporter";
    static constexpr const char* kPassword = "s3cret-Pa55";
    static constexpr const char* kDatabase = "reports";
    static constexpr const char* kRootDatabase = "rootreports";

    // The running server, started when called first.
    static PostgresServer& instance();
    // Stops the server when it was started.
    static void stopInstance();

    QString socketFolder() const { return sockets_; }
    int port() const { return port_; }
    // The server box text for the socket: "FOLDER:PORT"; for TCP: "127.0.0.1:PORT".
    QString socketServer() const;
    QString tcpServer() const;
    // Runs statements as the superuser "postgres" in `database`; fails the test on error.
    void superuser(const QString& database, const QStringList& statements) const;

    ~PostgresServer();

  private:
    PostgresServer();
    void start();

    QTemporaryDir root_;
    QString data_;
    QString sockets_;
    int port_ = 0;
    bool running_ = false;
};

// A port on 127.0.0.1 where nothing listens.
int closedPort();

}  // namespace sentrel::test
