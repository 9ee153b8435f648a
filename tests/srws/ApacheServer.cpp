#include "ApacheServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <csignal>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace sentrel::test {

namespace {

const QString kModules = QStringLiteral("/usr/lib/apache2/modules/");

int connectTo(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(quint16(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return fd;
    close(fd);
    return -1;
}

// A port on 127.0.0.1 that was free a moment ago.
int freePort() {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

}  // namespace

QString accessGranted(const QString& folder) {
    return QStringLiteral("<Directory \"%1\">\n    Require all granted\n</Directory>\n")
        .arg(folder);
}

bool ApacheServer::installed() {
    return QFileInfo(QString::fromLatin1(kBinary)).isExecutable();
}

ApacheServer::ApacheServer(const QString& runFolder, const QString& documentRoot,
                           const QString& snippet)
    : runFolder_(runFolder), documentRoot_(documentRoot), snippet_(snippet) {}

ApacheServer::~ApacheServer() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();  // a graceful stop of the parent stops its children
    if (!process_.waitForFinished(10000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

QString ApacheServer::writeConfiguration() const {
    QString modules;
    for (const char* module : {"mpm_prefork", "authz_core", "alias", "env", "cgi"})
        modules += QStringLiteral("LoadModule %1_module %2mod_%1.so\n")
                       .arg(QString::fromLatin1(module), kModules);
    const QString configuration =
        QStringLiteral(
            "ServerRoot \"%1\"\nListen 127.0.0.1:%2\nServerName 127.0.0.1\n"
            "PidFile \"%1/httpd.pid\"\nErrorLog \"%1/error.log\"\nLogLevel warn\n"
            "Mutex file:%1 default\nUser nobody\nGroup nogroup\n%3"
            "StartServers 2\nMinSpareServers 1\nMaxSpareServers 4\n"
            "DocumentRoot \"%4\"\n<Directory />\n    Require all denied\n</Directory>\n%5")
            .arg(runFolder_, QString::number(port_), modules, documentRoot_, snippet_);
    const QString path = runFolder_ + QStringLiteral("/httpd.conf");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(configuration.toUtf8());
    return path;
}

bool ApacheServer::start(QString* problem) {
    port_ = freePort();
    process_.setProcessChannelMode(QProcess::MergedChannels);
    // Its own session: at shutdown Apache signals its whole process group, which must not
    // be the test's. It stops too when the test dies before stopping it.
    process_.setChildProcessModifier([] {
        setsid();
        prctl(PR_SET_PDEATHSIG, SIGTERM);
    });
    process_.start(QString::fromLatin1(kBinary),
                   {QStringLiteral("-f"), writeConfiguration(), QStringLiteral("-DFOREGROUND")});
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired() && process_.state() != QProcess::NotRunning) {
        const int fd = connectTo(port_);
        if (fd >= 0) {
            close(fd);
            return true;
        }
        QThread::msleep(50);
        process_.waitForReadyRead(0);
    }
    QFile log(runFolder_ + QStringLiteral("/error.log"));
    *problem = QString::fromUtf8(process_.readAll() +
                                 (log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray()));
    return false;
}

HttpAnswer ApacheServer::request(const QByteArray& method, const QByteArray& target,
                                 const QByteArray& body) const {
    HttpAnswer answer;
    const int fd = connectTo(port_);
    if (fd < 0) return answer;
    QByteArray request = method + ' ' + target + " HTTP/1.0\r\nHost: 127.0.0.1\r\n";
    if (method == "POST") {
        request += "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                   QByteArray::number(body.size()) + "\r\n";
    }
    request += "\r\n" + body;
    (void)!::write(fd, request.constData(), size_t(request.size()));
    QByteArray reply;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) reply.append(buffer, n);
    close(fd);
    answer.status = reply.mid(reply.indexOf(' ') + 1, 3).toInt();
    const qsizetype end = reply.indexOf("\r\n\r\n");
    answer.body = end < 0 ? QByteArray() : reply.mid(end + 4);
    return answer;
}

}  // namespace sentrel::test
