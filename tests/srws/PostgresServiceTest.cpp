#include <gtest/gtest.h>

// Readable Qt values; every test file of the program includes it, so that all agree.
#include "editing/QtPrinters.h"

#include <QFile>

#include "PostgresServer.h"
#include "ServiceSetup.h"
#include "reporting/OptionStore.h"
#include "reporting/reportsdb/ConnectionTargets.h"
#include "reporting/reportsdb/ReportsDatabase.h"
#include "reporting/reportsdb/SQLConnection.h"

using namespace sentrel;
using sentrel::test::CgiAnswer;
using sentrel::test::CgiCall;
using sentrel::test::PostgresServer;
using sentrel::test::ServiceSetup;

namespace {

// The service logging to tables in the schema "srws" of the throw-away server, logged in
// with the password.
class PostgresServiceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        database = test::postgresReports("srws");
        service.writeOptions(
            [this](OptionStore& options) { test::usePostgres(options, database); });
    }

    QStringList rows(const QString& sql) const {
        reportsdb::SQLConnection connection;
        connection.Connect(reportsdb::serverTarget(database, database.database));
        return connection.Query(sql);
    }

    CgiAnswer run(const QByteArray& method, const QByteArray& query,
                  const QByteArray& body = {}) const {
        CgiCall call;
        call.method = method;
        call.query = query;
        call.body = body;
        return service.run(call);
    }

    ServiceSetup service{false};
    reportsdb::ReportsDbSettings database;
};

}  // namespace

TEST_F(PostgresServiceTest, StatusPageNamesTheServerButNeverThePassword) {
    const CgiAnswer answer = run("GET", "test");
    EXPECT_EQ(answer.status, 200) << answer.body.toStdString();
    const QString page = QString::fromUtf8(answer.body);
    EXPECT_TRUE(page.contains("<p>Database: PostgreSQL database reports on " + database.server +
                              ", schema srws, user reporter</p>"))
        << page.toStdString();
    EXPECT_TRUE(page.contains("All checks passed."));
    EXPECT_FALSE(page.contains(PostgresServer::kPassword));
    EXPECT_EQ(rows("SELECT (SELECT COUNT(*) FROM srws.\"SNSTATS\") + (SELECT COUNT(*) FROM "
                   "srws.\"SNPLT\") + (SELECT COUNT(*) FROM srws.\"BrowserErrors\")"),
              QStringList{"0"});
}

TEST_F(PostgresServiceTest, RecordsAreFittedToTheServersNarrowerColumns) {
    // Minorverlet is varchar(5) and Country char(2) on the server; Frames a smallint.
    EXPECT_EQ(
        run("GET", "t=sns&brow=Firefox&vml=abcdefgh&sncy=deu&fram=TRUE&snsw=wide&vm=1e3").status,
        204);
    EXPECT_EQ(rows("SELECT concat_ws('|', \"Browser\", \"Minorverlet\", \"Country\", \"Frames\", "
                   "coalesce(\"Width\"::text, 'NULL'), \"Majorver\", \"LastUpdate\" IS NOT NULL) "
                   "FROM srws.\"SNSTATS\""),
              QStringList{"Firefox|abcde|de|1|NULL|1000|t"});
    EXPECT_EQ(run("POST", "", "t=plt&PLTVER=3&event=onload&udd1=2.5").status, 204);
    EXPECT_EQ(rows("SELECT concat_ws('|', \"PltVer\", \"Event\", \"ExtraDouble1\") FROM "
                   "srws.\"SNPLT\""),
              QStringList{"3|onload|2.5"});
    EXPECT_EQ(run("POST", "t=err", "es=Boom&el=12&lu=2025-12-31T23%3A59%3A58").status, 204);
    EXPECT_EQ(rows("SELECT concat_ws('|', \"ErrorStr\", \"ErrorLine\", \"LastUpdate\") FROM "
                   "srws.\"BrowserErrors\""),
              QStringList{"Boom|12|2025-12-31 23:59:58"});
}

TEST_F(PostgresServiceTest, WithoutTheProgramApacheNamesTheRequestFailsAndSaysWhy) {
    const QString program = service.root() + "/srws/sentrel-srws-postgres";
    ASSERT_TRUE(QFile::remove(program));
    const CgiAnswer answer = run("POST", "", "t=sns&brow=Lost");
    EXPECT_EQ(answer.status, 500);
    const QStringList log = service.logLines();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].endsWith("The request could not be handed on: " + program +
                                ": No such file or directory"))
        << log[0].toStdString();
    EXPECT_EQ(rows("SELECT COUNT(*) FROM srws.\"SNSTATS\""), QStringList{"0"});

    // The program to run comes only from Apache's configuration, never from the key store.
    QProcessEnvironment unnamed = QProcessEnvironment::systemEnvironment();
    unnamed.insert("SENTREL_REGISTRY", service.registryRoot());
    unnamed.remove("SENTREL_SRWS_POSTGRES");
    CgiCall call;
    call.query = "t=sns&brow=Lost";
    EXPECT_EQ(ServiceSetup::runProgram(SRWS_PROGRAM, unnamed, call).status, 500);
    EXPECT_TRUE(service.logLines().last().endsWith(
        "The request could not be handed on: SENTREL_SRWS_POSTGRES is not set: deploy the "
        "service again from the editor's Reporting Options"))
        << service.logLines().last().toStdString();
}
