#include <gtest/gtest.h>

// Readable Qt values; every test file of the program includes it, so that all agree.
#include "editing/QtPrinters.h"

#include "DescriptionOf.h"
#include "PostgresServer.h"
#include "RecordRoundTrip.h"
#include "reporting/reportsdb/ConnectionTargets.h"
#include "reporting/reportsdb/PostgresDialect.h"
#include "reporting/reportsdb/ReportsDatabase.h"
#include "reporting/reportsdb/ServerListing.h"

using namespace sentrel;
using namespace sentrel::reportsdb;
using sentrel::test::descriptionOf;
using sentrel::test::failureOf;
using sentrel::test::PostgresServer;

namespace {

const QString kWeirdOwner = QStringLiteral("we]ird\"owner");

// The description when the test server refuses kUser's password over TCP.
std::string loginRefused() {
    return QStringLiteral(
               "Unable to connect to database\r[PostgreSQL] connection to server at "
               "\"127.0.0.1\", port %1 failed: FATAL:  password authentication failed for user "
               "\"reporter\"")
        .arg(PostgresServer::instance().port())
        .toStdString();
}

class PostgresReportsTest : public ::testing::Test {
  protected:
    // The password login over TCP, tables under `owner`.
    static ReportsDbSettings settings(const QString& owner) {
        ReportsDbSettings s;
        s.kind = DatabaseKind::Server;
        s.server = PostgresServer::instance().tcpServer();
        s.user = PostgresServer::kUser;
        s.password = PostgresServer::kPassword;
        s.database = PostgresServer::kDatabase;
        s.tableOwner = owner;
        return s;
    }

    static QStringList query(const ReportsDbSettings& s, const QString& sql,
                             const QVariantList& values = {}) {
        SQLConnection connection;
        connection.Connect(serverTarget(s, s.database));
        return connection.Query(sql, values);
    }

    // The objects of a schema, "kind name" (r table, v view, S sequence, i index).
    static QStringList objectsOf(const QString& schema) {
        return query(
            settings(schema),
            "SELECT c.relkind::text || ' ' || c.relname FROM pg_class c JOIN pg_namespace n "
            "ON n.oid = c.relnamespace WHERE n.nspname = ? ORDER BY 1",
            {schema});
    }
};

}  // namespace

TEST_F(PostgresReportsTest, TablesUnderAnOwnerWithQuotesAndBracketsWorkThroughEveryColumn) {
    const ReportsDatabase database(settings(kWeirdOwner));
    const AppError missing = failureOf([&] { database.TableTest(); });
    EXPECT_EQ(missing.description().toStdString(),
              "Unable to execute: INSERT INTO \"we]ird\"\"owne...\r[PostgreSQL] ERROR:  "
              "relation \"we]ird\"owner.SNS\" does not exist");
    database.CreateTables();
    EXPECT_EQ(failureOf([&] { database.TableTest(); }).number(), 0);

    SQLConnection connection;
    connection.Connect(serverTarget(settings(kWeirdOwner), PostgresServer::kDatabase));
    EXPECT_EQ(test::expectEveryViewColumnLands(connection, PostgresDialect(kWeirdOwner)),
              QList<int>({164, 21, 21}));
}

TEST_F(PostgresReportsTest, InitialisingTwiceKeepsOnlyTheReportObjectsAndOtherTablesRows) {
    const QString owner = QStringLiteral("Twice");
    query(settings(owner), "CREATE SCHEMA \"Twice\"");
    query(settings(owner), "CREATE TABLE \"Twice\".mine (a text)");
    query(settings(owner), "INSERT INTO \"Twice\".mine VALUES (?)", {"kept"});
    const ReportsDatabase database(settings(owner));
    database.CreateTables();
    query(settings(owner), "INSERT INTO \"Twice\".\"SNS\" (brow) VALUES (?)", {"old"});
    database.CreateTables();
    EXPECT_EQ(objectsOf(owner),
              QStringList({"S BrowserErrors_ErrorID_seq", "S SNPLT_SNStatID_seq",
                           "S SNSTATS_SNStatID_seq", "i PK_BROWERR", "i PK_SNPLT", "i PK_SNSTATS",
                           "r BrowserErrors", "r SNPLT", "r SNSTATS", "r mine", "v BROWERR",
                           "v PLT", "v SNS"}));
    EXPECT_EQ(query(settings(owner), "SELECT a FROM \"Twice\".mine"), QStringList{"kept"});
    EXPECT_EQ(query(settings(owner), "SELECT count(*) FROM \"Twice\".\"SNSTATS\""),
              QStringList{"0"});
    EXPECT_EQ(failureOf([&] { database.TableTest(); }).number(), 0);
}

TEST_F(PostgresReportsTest, ColumnsTakeThePostgresTypes) {
    ReportsDatabase(settings("types")).CreateTables();
    EXPECT_EQ(
        query(settings("types"),
              "SELECT column_name || ' ' || data_type || coalesce(' ' || "
              "character_maximum_length, '') || ' ' || is_identity || is_nullable FROM "
              "information_schema.columns WHERE table_schema = 'types' AND table_name = "
              "'SNSTATS' AND column_name IN ('SNStatID', 'LastUpdate', 'Minorver', "
              "'Minorverlet', 'Frames', 'BrowserDateTimeMs', 'Country', 'TextSizeAdj') "
              "ORDER BY ordinal_position"),
        QStringList({"SNStatID integer YESNO", "LastUpdate timestamp without time zone NOYES",
                     "Minorver double precision NOYES", "Minorverlet character varying 5 NOYES",
                     "Frames smallint NOYES", "BrowserDateTimeMs numeric NOYES",
                     "TextSizeAdj character varying 25 NOYES", "Country character 2 NOYES"}));
}

TEST_F(PostgresReportsTest, AnotherOwnerThanAtInitialisationFailsWithTheMissingRelation) {
    ReportsDatabase(settings("first")).CreateTables();
    query(settings("second"), "CREATE SCHEMA second");
    EXPECT_EQ(descriptionOf([&] { ReportsDatabase(settings("second")).TableTest(); }),
              "Unable to execute: INSERT INTO \"second\".\"SNS...\r[PostgreSQL] ERROR:  "
              "relation \"second.SNS\" does not exist");
}

TEST_F(PostgresReportsTest, WithoutAnOwnerTheTablesGoToTheDefaultSchema) {
    const ReportsDatabase database(settings(QString()));
    database.CreateTables();
    EXPECT_EQ(failureOf([&] { database.TableTest(); }).number(), 0);
    EXPECT_EQ(query(settings("public"), "SELECT count(*) FROM public.\"SNS\""), QStringList{"0"});
}

TEST_F(PostgresReportsTest, TheOperatingSystemsOwnAuthenticationSendsNoUserOrPassword) {
    ReportsDbSettings s = settings("ops");
    s.server = PostgresServer::instance().socketServer();
    s.useOsAuthentication = true;
    s.user = QStringLiteral("reporter");
    s.password = QStringLiteral("not the password");
    s.database = PostgresServer::kRootDatabase;
    const ReportsDatabase database(s);
    database.ConnectTest();
    database.CreateTables();
    EXPECT_EQ(failureOf([&] { database.TableTest(); }).number(), 0);
    EXPECT_EQ(query(s, "SELECT nspowner::regrole::text FROM pg_namespace WHERE nspname = 'ops'"),
              QStringList{"root"});
    ServerCatalog catalog;
    catalog.Connect(s.server, true, "reporter", "not the password");
    EXPECT_EQ(catalog.ShowDatabases(), QStringList({"reports", "rootreports"}));
}

TEST_F(PostgresReportsTest, ConnectionFailuresGiveTheServersReasonAndNeverThePassword) {
    const int port = PostgresServer::instance().port();
    ReportsDbSettings wrongPassword = settings("public");
    wrongPassword.password = QStringLiteral("wrong'pass word");
    EXPECT_EQ(descriptionOf([&] { ReportsDatabase(wrongPassword).ConnectTest(); }), loginRefused());

    ReportsDbSettings unreachable = settings("public");
    const int closed = test::closedPort();
    unreachable.server = QStringLiteral("127.0.0.1:%1").arg(closed);
    EXPECT_EQ(descriptionOf([&] { ReportsDatabase(unreachable).ConnectTest(); }),
              QStringLiteral("Unable to connect to database\r[PostgreSQL] connection to server "
                             "at \"127.0.0.1\", port %1 failed: Connection refused\r[PostgreSQL] "
                             "Is the server running on that host and accepting TCP/IP "
                             "connections?")
                  .arg(closed)
                  .toStdString());

    ReportsDbSettings noDatabase = settings("public");
    noDatabase.database = QStringLiteral("nosuchdb");
    EXPECT_EQ(descriptionOf([&] { ReportsDatabase(noDatabase).CreateTables(); }),
              QStringLiteral("Unable to connect to database\r[PostgreSQL] connection to server "
                             "at \"127.0.0.1\", port %1 failed: FATAL:  database \"nosuchdb\" "
                             "does not exist")
                  .arg(port)
                  .toStdString());
}

TEST_F(PostgresReportsTest, LookupListsTheUsersDatabasesButNoTemplateAndNotPostgres) {
    ServerCatalog catalog;
    EXPECT_EQ(catalog.ShowDatabases(), QStringList());
    catalog.Connect(PostgresServer::instance().tcpServer(), false, PostgresServer::kUser,
                    PostgresServer::kPassword);
    EXPECT_EQ(catalog.ShowDatabases(), QStringList({"reports", "rootreports"}));
    catalog.Disconnect();
    EXPECT_EQ(catalog.ShowDatabases(), QStringList());
    const AppError refused = failureOf([&] {
        catalog.Connect(PostgresServer::instance().tcpServer(), false, PostgresServer::kUser,
                        "bad");
    });
    EXPECT_EQ(refused.number(), 440);
    EXPECT_EQ(refused.source(), "SQLConnection");
    EXPECT_EQ(refused.description().toStdString(), loginRefused());
}
