#include "ApacheServer.h"

#include <sys/prctl.h>
#include <unistd.h>
#include <csignal>

#include <QFile>
#include <QFileInfo>

#include "support/LocalPort.h"

namespace sentrel::test {

namespace {

const QString kModules = QStringLiteral("/usr/lib/apache2/modules/");

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
    port_ = freeLocalPort();
    process_.setProcessChannelMode(QProcess::MergedChannels);
    // Its own session: at shutdown Apache signals its whole process group, which must not
    // be the test's. It stops too when the test dies before stopping it.
    process_.setChildProcessModifier([] {
        setsid();
        prctl(PR_SET_PDEATHSIG, SIGTERM);
    });
    process_.start(QString::fromLatin1(kBinary),
                   {QStringLiteral("-f"), writeConfiguration(), QStringLiteral("-DFOREGROUND")});
    if (waitForLocalPort(port_, 20000, [this] {
            process_.waitForReadyRead(0);
            return process_.state() != QProcess::NotRunning;
        }))
        return true;
    QFile log(runFolder_ + QStringLiteral("/error.log"));
    *problem = QString::fromUtf8(process_.readAll() +
                                 (log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray()));
    return false;
}

HttpAnswer ApacheServer::request(const QByteArray& method, const QByteArray& target,
                                 const QByteArray& body) const {
    QByteArray request = method + ' ' + target + " HTTP/1.0\r\nHost: 127.0.0.1\r\n";
    if (method == "POST") {
        request += "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                   QByteArray::number(body.size()) + "\r\n";
    }
    request += "\r\n" + body;
    const QByteArray reply = exchangeWithLocalPort(port_, request);
    HttpAnswer answer;
    if (reply.isEmpty()) return answer;
    answer.status = reply.mid(reply.indexOf(' ') + 1, 3).toInt();
    const qsizetype end = reply.indexOf("\r\n\r\n");
    answer.body = end < 0 ? QByteArray() : reply.mid(end + 4);
    return answer;
}

}  // namespace sentrel::test
