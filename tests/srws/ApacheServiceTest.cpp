#include <gtest/gtest.h>

// Readable Qt values; every test file of the program includes it, so that all agree.
#include "editing/QtPrinters.h"

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "ApacheServer.h"
#include "PostgresServer.h"
#include "ServiceSetup.h"
#include "registry/mdlRegistry.h"
#include "reporting/OptionStore.h"
#include "reporting/reportsdb/ConnectionTargets.h"
#include "reporting/reportsdb/ReportsDatabase.h"
#include "reporting/reportsdb/SQLConnection.h"
#include "reporting/webdirs/SrwsSnippet.h"
#include "shell/ScriptedInteraction.h"

using namespace sentrel;
using sentrel::test::ApacheServer;
using sentrel::test::HttpAnswer;

namespace {

void giveToNobody(const QString& path) {
    const passwd* nobody = getpwnam("nobody");
    const group* nogroup = getgrnam("nogroup");
    ASSERT_TRUE(nobody && nogroup);
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nogroup->gr_gid), 0);
}

// A folder Apache's account may enter and read.
QString openFolder(const QString& path) {
    QDir().mkpath(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                    QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                    QFile::ExeOther);
    return path;
}

class ApacheServiceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!ApacheServer::installed())
            GTEST_SKIP() << "apache2 is not installed (scripts/install-deps.sh installs it)";
        openFolder(dir.path());
        deployment = {openFolder(dir.filePath("www/srws")), "/srws/",
                      openFolder(dir.filePath("registry")),
                      openFolder(dir.filePath("base/srws")) + "/sentrel-srws-postgres"};
        install(SRWS_PROGRAM, deployment.folder + "/NorvaneSRWS.dll");
        install(SRWS_POSTGRES_PROGRAM, deployment.postgresProgram);

        // The reports file and the log folder belong to Apache's account.
        reportsdb::ReportsDbSettings settings;
        settings.filePath = openFolder(dir.filePath("db")) + "/SNReports.db";
        reportsdb::ReportsDatabase(settings).CreateTables();
        database = settings.filePath;
        giveToNobody(dir.filePath("db"));
        giveToNobody(database);
        giveToNobody(openFolder(dir.filePath("logs")));

        ScriptedInteraction ui;
        reg::mdlRegistry registry(ui, reg::KeyStore(deployment.keyStoreRoot));
        OptionStore options(registry, dir.path());
        options.srwsProviderType = SrwsProvider::Access;
        options.srwsMDBPath = database;
        options.srwsLogFilePath = dir.filePath("logs");
        ASSERT_TRUE(options.save());
    }

    // A program where Apache's account may run it.
    static void install(const QString& program, const QString& target) {
        ASSERT_TRUE(QFile::copy(program, target));
        QFile::setPermissions(target,
                              QFile::permissions(program) | QFile::ExeOther | QFile::ReadOther);
    }

    // Switches the options to the throw-away PostgreSQL server, tables in `schema`.
    reportsdb::ReportsDbSettings usePostgres(const QString& schema) const {
        const reportsdb::ReportsDbSettings server = test::postgresReports(schema);
        ScriptedInteraction ui;
        reg::mdlRegistry registry(ui, reg::KeyStore(deployment.keyStoreRoot));
        OptionStore options(registry, dir.path());
        options.load();
        test::usePostgres(options, server);
        EXPECT_TRUE(options.save());
        return server;
    }

    // Apache httpd serving the deployment.
    void startApache() {
        apache = std::make_unique<ApacheServer>(
            openFolder(dir.filePath("run")), openFolder(dir.filePath("www")),
            deployment.text() + test::accessGranted(deployment.folder));
        QString problem;
        ASSERT_TRUE(apache->start(&problem)) << problem.toStdString();
    }

    QStringList rows(const QString& sql) const {
        reportsdb::SQLConnection connection;
        connection.Connect(reportsdb::fileTarget(database, reportsdb::FileOpening::ExistingOnly));
        return connection.Query(sql);
    }

    // Under /tmp whatever TMPDIR says: Apache's account must reach every folder above.
    QTemporaryDir dir{"/tmp/sentrel-apache-XXXXXX"};
    // The service deployed as the editor deploys it: its folder, URL path and key store.
    webdirs::SrwsSnippet deployment;
    QString database;
    std::unique_ptr<ApacheServer> apache;
};

}  // namespace

TEST_F(ApacheServiceTest, ApacheRunsTheServiceThatPassesItsTestAndLogsEachKind) {
    ASSERT_NO_FATAL_FAILURE(startApache());

    const HttpAnswer status = apache->request("GET", "/srws/norvaneSRWS.dll?test");
    EXPECT_EQ(status.status, 200) << status.body.toStdString();
    EXPECT_TRUE(status.body.contains("<p id=\"summary\">All checks passed.</p>"));
    EXPECT_TRUE(status.body.contains("<p>Database: SQLite file " + database.toUtf8() + "</p>"));

    EXPECT_EQ(apache->request("GET", "/srws/NorvaneSRWS.dll?t=sns&brow=Apache+Test&vm=2").status,
              204);
    EXPECT_EQ(apache->request("POST", "/srws/norvanesrws.dll", "t=plt&hittype=load&p=0012").status,
              204);
    EXPECT_EQ(apache->request("POST", "/srws/norvanesvr.dll?t=err", "es=Boom&el=3").status, 204);
    EXPECT_EQ(apache->request("GET", "/srws/norvaneSRWS.dll?t=nope").status, 400);

    // Read only after the requests: the reader's journal files would belong to root.
    EXPECT_EQ(rows("SELECT Browser || ' ' || Majorver FROM SNSTATS"), QStringList{"Apache Test 2"});
    EXPECT_EQ(rows("SELECT Hittype || ' ' || Page FROM SNPLT"), QStringList{"load 0012"});
    EXPECT_EQ(rows("SELECT ErrorStr || ' ' || ErrorLine FROM BrowserErrors"),
              QStringList{"Boom 3"});
}

TEST_F(ApacheServiceTest, APostgresDatabaseIsServedThroughTheProgramTheSnippetNames) {
    const reportsdb::ReportsDbSettings server = usePostgres("apache");
    ASSERT_NO_FATAL_FAILURE(startApache());

    const HttpAnswer status = apache->request("GET", "/srws/norvaneSRWS.dll?test");
    EXPECT_EQ(status.status, 200) << status.body.toStdString();
    EXPECT_TRUE(status.body.contains("<p>Database: PostgreSQL database reports on " +
                                     server.server.toUtf8() + ", schema apache, user reporter"))
        << status.body.toStdString();
    EXPECT_FALSE(status.body.contains(test::PostgresServer::kPassword));
    EXPECT_EQ(
        apache->request("POST", "/srws/norvanesrws.dll", "t=sns&brow=Apache+PG&sncy=deu").status,
        204);

    reportsdb::SQLConnection connection;
    connection.Connect(reportsdb::serverTarget(server, server.database));
    EXPECT_EQ(connection.Query("SELECT \"Browser\" || ' ' || \"Country\" FROM apache.\"SNSTATS\""),
              QStringList{"Apache PG de"});
}
