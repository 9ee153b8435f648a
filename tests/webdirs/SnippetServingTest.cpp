#include <gtest/gtest.h>

// Readable Qt values; every test file of the program includes it, so that all agree.
#include "editing/QtPrinters.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "ApacheTree.h"
#include "reporting/webdirs/Directory.h"
#include "reporting/webdirs/WebServer.h"
#include "reporting/webdirs/WebService.h"
#include "support/LocalPort.h"

using namespace sentrel;

namespace {

// A real httpd over a copied configuration, on a free port of 127.0.0.1, its run, lock and
// log files in the test's folders; stopped when the test ends.
class RunningApache {
  public:
    explicit RunningApache(const test::ApacheTree& tree) : tree_(tree) {
        port_ = test::freeLocalPort();
        QByteArray envvars = test::TempDir::read(tree.root() + "/envvars");
        for (const char* name : {"RUN_DIR", "LOCK_DIR", "LOG_DIR"}) {
            envvars += QStringLiteral("export APACHE_%1=%2\n")
                           .arg(QLatin1String(name), tree.scratch(QLatin1String(name)))
                           .toUtf8();
        }
        envvars += "export APACHE_PID_FILE=" + tree.scratch("RUN_DIR").toUtf8() + "/httpd.pid\n";
        tree.write("envvars", envvars);
        tree.write("ports.conf", "Listen 127.0.0.1:" + QByteArray::number(port_) + "\n");
    }
    ~RunningApache() {
        if (started_) control("stop");
    }

    int port() const { return port_; }

    bool start() {
        started_ = control("start") == 0;
        return started_ && test::waitForLocalPort(port_, 10000);
    }

    // The status and body of a GET of `path` ("200 body").
    QString get(const QString& path) const {
        const QByteArray answer = test::exchangeWithLocalPort(
            port_, "GET " + path.toUtf8() + " HTTP/1.0\r\nHost: reports.example\r\n\r\n");
        const QByteArray status = answer.split(' ').value(1);
        return QString::fromUtf8(status + ' ' + answer.mid(answer.indexOf("\r\n\r\n") + 4));
    }

  private:
    int control(const char* command) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("APACHE_CONFDIR", tree_.root());
        process.setProcessEnvironment(environment);
        process.start("apache2ctl", {QLatin1String(command)});
        process.waitForFinished(30000);
        return process.exitCode();
    }

    const test::ApacheTree& tree_;
    int port_ = 0;
    bool started_ = false;
};

}  // namespace

// Our snippet as httpd itself reads it: a CGI program standing in for the service answers
// under every name the test address and the generated code use, also where the folder is
// a site's own Alias, and sees the key store the snippet names.
TEST(SnippetServingTest, HttpdRunsTheServiceUnderEveryNameInAFolderThatIsASitesAlias) {
    test::ApacheTree tree;
    RunningApache apache(tree);
    const QString www = tree.scratch("www");
    const QString srws = tree.scratch("srws");
    tree.addSite("reports.conf", QStringLiteral("<VirtualHost *:%1>\n"
                                                "  ServerName reports.example\n"
                                                "  DocumentRoot %2\n"
                                                "  Alias /srws %3\n"
                                                "  <Directory %4>\n    Require all granted\n"
                                                "  </Directory>\n"
                                                "</VirtualHost>\n")
                                     .arg(apache.port())
                                     .arg(www, srws, QFileInfo(www).path())
                                     .toUtf8());
    webdirs::WebService service(tree.setup("/etc/sentrel/registry"));
    service.OpenService("localhost");
    webdirs::Directory* directory =
        service.WebServers().Item("reports.example")->LocateDirectory({"Root", "srws"});
    ASSERT_NE(directory, nullptr);
    directory->AllowExecute();
    const QString program = srws + "/NorvaneSRWS.dll";
    QFile file(program);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "#!/bin/sh\nprintf 'Content-Type: text/plain\\n\\n%s %s' \"$SENTREL_REGISTRY\" "
        "\"$QUERY_STRING\"\n");
    file.close();
    file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);

    ASSERT_TRUE(apache.start());
    EXPECT_EQ(apache.get("/srws/norvaneSRWS.dll?test"), "200 /etc/sentrel/registry test");
    EXPECT_EQ(apache.get("/srws/norvanesrws.dll?test"), "200 /etc/sentrel/registry test");
    EXPECT_EQ(apache.get("/srws/NORVANESVR.DLL?t=sns"), "200 /etc/sentrel/registry t=sns");
    EXPECT_TRUE(apache.get("/srws/other.dll").startsWith("404 ")) << "no other name is mapped";
}
