#include "update/LocalHttpServer.h"

#include "support/LocalPort.h"

namespace sentrel::test {

namespace {

// Serves argv[1]; with argv[2] and argv[3] (certificate, key) over TLS. Prints the port.
const char kServer[] = R"(
import functools, http.server, ssl, sys
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=sys.argv[1])
server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
if len(sys.argv) > 3:
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(sys.argv[2], sys.argv[3])
    server.socket = context.wrap_socket(server.socket, server_side=True)
print(server.server_address[1], flush=True)
server.serve_forever()
)";

}  // namespace

LocalHttpServer::LocalHttpServer(const QString& folder, const QString& certificate,
                                 const QString& key)
    : tls_(!certificate.isEmpty()) {
    QStringList arguments{QStringLiteral("-c"), QString::fromLatin1(kServer), folder};
    if (tls_) arguments << certificate << key;
    process_.setStandardErrorFile(QProcess::nullDevice());
    process_.start(QStringLiteral("python3"), arguments);
    if (!process_.waitForReadyRead(10000)) return;
    port_ = process_.readLine().trimmed().toInt();
}

LocalHttpServer::~LocalHttpServer() {
    process_.kill();
    process_.waitForFinished();
}

QUrl LocalHttpServer::url() const {
    return QUrl(QStringLiteral("%1://127.0.0.1:%2/")
                    .arg(tls_ ? QStringLiteral("https") : QStringLiteral("http"))
                    .arg(port_));
}

quint16 LocalHttpServer::unusedPort() {
    return quint16(freeLocalPort());
}

bool LocalHttpServer::makeCertificate(const QString& certificate, const QString& key) {
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                   QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-keyout"),
                   key, QStringLiteral("-out"), certificate, QStringLiteral("-days"),
                   QStringLiteral("1"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1")});
    return openssl.waitForFinished(30000) && openssl.exitCode() == 0;
}

}  // namespace sentrel::test
