#pragma once

#include <QProcess>
#include <QString>
#include <QUrl>

namespace sentrel::test {

// A real web server on 127.0.0.1 serving the files of a folder (python3's http.server), for
// the lifetime of the object; with a certificate and key it speaks https instead. The port
// is chosen by the system.
class LocalHttpServer {
  public:
    explicit LocalHttpServer(const QString& folder, const QString& certificate = {},
                             const QString& key = {});
    ~LocalHttpServer();

    bool isRunning() const { return port_ > 0; }
    // The address of the served folder, ending in "/".
    QUrl url() const;

    // A port on 127.0.0.1 where nothing listens.
    static quint16 unusedPort();
    // Writes a self-signed certificate for 127.0.0.1 and its key (openssl); false on failure.
    static bool makeCertificate(const QString& certificate, const QString& key);

  private:
    QProcess process_;
    bool tls_ = false;
    int port_ = 0;
};

}  // namespace sentrel::test
