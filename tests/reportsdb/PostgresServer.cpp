#include "PostgresServer.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <memory>

#include "reporting/reportsdb/SQLConnection.h"
#include "shell/AppError.h"

namespace sentrel::test {

namespace {

const QString kBin = QStringLiteral("/usr/lib/postgresql/15/bin/");

std::unique_ptr<PostgresServer>& slot() {
    static std::unique_ptr<PostgresServer> server;
    return server;
}

// Binds port 0 and returns the port the system chose; it is free again afterwards.
int unusedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
        port = ntohs(address.sin_port);
    }
    ::close(fd);
    return port;
}

void runAsPostgres(const QStringList& command) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("runuser"), QStringList{"-u", "postgres", "--"} + command);
    const bool finished = process.waitForFinished(120000);
    if (!finished || process.exitCode() != 0) {
        throw std::runtime_error("runuser failed: " + command.join(' ').toStdString() + "\n" +
                                 process.readAll().toStdString());
    }
}

void giveToPostgres(const QString& path) {
    const passwd* account = ::getpwnam("postgres");
    if (account == nullptr ||
        ::chown(QFile::encodeName(path).constData(), account->pw_uid, account->pw_gid) != 0) {
        throw std::runtime_error("cannot hand " + path.toStdString() + " to postgres");
    }
}

class StopAtEnd : public ::testing::Environment {
  public:
    void TearDown() override { PostgresServer::stopInstance(); }
};

const auto* const stopAtEnd = ::testing::AddGlobalTestEnvironment(new StopAtEnd);

}  // namespace

PostgresServer& PostgresServer::instance() {
    if (!slot()) {
        slot().reset(new PostgresServer);
        slot()->start();
    }
    return *slot();
}

void PostgresServer::stopInstance() {
    slot().reset();
}

PostgresServer::PostgresServer()
    : data_(root_.filePath(QStringLiteral("data"))),
      sockets_(root_.filePath(QStringLiteral("sockets"))) {}

PostgresServer::~PostgresServer() {
    if (!running_) return;
    QProcess::execute(QStringLiteral("runuser"), {"-u", "postgres", "--", kBin + "pg_ctl", "-D",
                                                  data_, "-m", "immediate", "-w", "stop"});
}

QString PostgresServer::socketServer() const {
    return sockets_ + QLatin1Char(':') + QString::number(port_);
}

QString PostgresServer::tcpServer() const {
    return QStringLiteral("127.0.0.1:") + QString::number(port_);
}

void PostgresServer::start() {
    QDir().mkpath(data_);
    QDir().mkpath(sockets_);
    for (const QString& path : {root_.path(), data_, sockets_}) giveToPostgres(path);
    runAsPostgres({kBin + "initdb", "-D", data_, "-U", "postgres", "--auth=trust", "-E", "UTF8",
                   "--no-sync"});
    QFile hba(data_ + QStringLiteral("/pg_hba.conf"));
    if (!hba.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("hba");
    hba.write(
        "local all postgres trust\n"
        "local all root peer\n"
        "local all all scram-sha-256\n"
        "host all all 127.0.0.1/32 scram-sha-256\n");
    hba.close();
    port_ = unusedPort();
    const QString options = QStringLiteral("-k %1 -p %2 -c listen_addresses=127.0.0.1 -c fsync=off")
                                .arg(sockets_)
                                .arg(port_);
    runAsPostgres(
        {kBin + "pg_ctl", "-D", data_, "-w", "-l", data_ + "/server.log", "-o", options, "start"});
    running_ = true;
    superuser(QStringLiteral("postgres"),
              {QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%2'").arg(kUser, kPassword),
               QStringLiteral("CREATE ROLE root LOGIN"),
               QStringLiteral("CREATE DATABASE %1 OWNER %2").arg(kDatabase, kUser),
               QStringLiteral("CREATE DATABASE %1 OWNER root").arg(kRootDatabase)});
}

void PostgresServer::superuser(const QString& database, const QStringList& statements) const {
    reportsdb::SQLConnection connection;
    try {
        connection.Connect({QStringLiteral("QPSQL"),
                            database,
                            sockets_,
                            port_,
                            QStringLiteral("postgres"),
                            QString(),
                            QString(),
                            {}});
        for (const QString& statement : statements) connection.Execute(statement);
    } catch (const AppError& e) {
        ADD_FAILURE() << e.description().toStdString();
    }
}

int closedPort() {
    return unusedPort();
}

}  // namespace sentrel::test
