#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

namespace sentrel::test {

// What the test's own configuration adds to the deployment's snippet: Apache's default
// denies every folder, and a site's configuration (not the snippet) grants access.
QString accessGranted(const QString& folder);

// One HTTP answer.
struct HttpAnswer {
    int status = 0;
    QByteArray body;
};

// A private Apache httpd (Debian's apache2 binary) in the foreground: prefork MPM, mod_cgi,
// run as nobody:nogroup, listening on a free port of 127.0.0.1, with its pid file, error
// log and mutex in `runFolder`, serving `documentRoot` and the given snippet. Stopped (and
// waited for) when destroyed.
class ApacheServer {
  public:
    static constexpr const char* kBinary = "/usr/sbin/apache2";
    static bool installed();

    ApacheServer(const QString& runFolder, const QString& documentRoot, const QString& snippet);
    ~ApacheServer();

    // Whether it answers on its port; when not, `problem` says why (its error log).
    bool start(QString* problem);
    int port() const { return port_; }

    // An HTTP/1.0 request to this server; a POST body goes form-encoded.
    HttpAnswer request(const QByteArray& method, const QByteArray& target,
                       const QByteArray& body = {}) const;

  private:
    QString writeConfiguration() const;

    QString runFolder_;
    QString documentRoot_;
    QString snippet_;
    int port_ = 0;
    QProcess process_;
};

}  // namespace sentrel::test
