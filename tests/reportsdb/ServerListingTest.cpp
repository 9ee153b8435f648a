#include <gtest/gtest.h>

// Readable Qt values; every test file of the program includes it, so that all agree.
#include "editing/QtPrinters.h"

#include <QDir>
#include <QFile>

#include "reporting/reportsdb/ConnectionTargets.h"
#include "reporting/reportsdb/ErrorText.h"
#include "reporting/reportsdb/ServerListing.h"
#include "reporting/reportsdb/TableOwnerRule.h"
#include "support/TempDir.h"

using namespace sentrel::reportsdb;

TEST(ServerListingTest, ListsLocalSocketsAndServiceHostsAfterTheTypedName) {
    sentrel::test::TempDir dir;
    QDir().mkpath(dir.file("run"));
    for (const char* name : {".s.PGSQL.5433", ".s.PGSQL.5433.lock", ".s.PGSQL.5432", "other"}) {
        QFile(dir.file(QStringLiteral("run/") + name)).open(QIODevice::WriteOnly);
    }
    const QString services = dir.write(
        "pg_service.conf",
        "# reports\n[reports]\nhost=db.example.com\nport=6543\ndbname=r\n\n[local]\ndbname=x\n"
        "[second]\nhost = db2.example.com\n");
    const ServerSources sources{dir.file("run"), {dir.file("missing.conf"), services}};
    EXPECT_EQ(ShowServers("", sources),
              ServerList({{"<<Select or enter server name>>", "localhost", "localhost:5433",
                           "db.example.com:6543", "db2.example.com"},
                          true}));
    EXPECT_EQ(ShowServers("mine", sources).entries.front(), "mine");

    QDir().mkpath(dir.file("nothing-here"));
    const ServerSources noServers{dir.file("nothing-here"), {}};
    EXPECT_EQ(ShowServers("", noServers), ServerList({{"<<Type server name or address>>"}, true}));
    const ServerSources none{dir.file("no-folder"), {dir.file("missing.conf")}};
    EXPECT_EQ(ShowServers("", none), ServerList({{"<<Type server name or address>>"}, false}));
    EXPECT_EQ(ShowServers("typed", none), ServerList({{"typed"}, false}));
}

TEST(ServerListingTest, ServerBoxTakesHostPortAddressesAndSocketFolders) {
    const QList<std::tuple<QString, QString, int>> cases = {
        {"db.example.com", "db.example.com", -1},
        {" db.example.com:5433 ", "db.example.com", 5433},
        {"/run/postgresql", "/run/postgresql", -1},
        {"/tmp/pg sockets:6000", "/tmp/pg sockets", 6000},
        {"::1", "::1", -1},
        {"[::1]:5433", "::1", 5433},
        {"host:notaport", "host:notaport", -1},
    };
    for (const auto& [text, host, port] : cases) {
        const HostAndPort split = splitServer(text);
        EXPECT_EQ(split.host, host) << text.toStdString();
        EXPECT_EQ(split.port, port) << text.toStdString();
    }
}

TEST(ServerListingTest, OwnersLongerThanPostgresKeepsAreRefused) {
    EXPECT_FALSE(isTableOwnerTooLong(QString(63, 'a')));
    EXPECT_TRUE(isTableOwnerTooLong(QString(64, 'a')));
    EXPECT_TRUE(isTableOwnerTooLong(QString(32, QChar(0xe9))));  // 64 bytes in UTF-8
    EXPECT_FALSE(isTableOwnerTooLong(QString(31, QChar(0xe9))));
}

TEST(ServerListingTest, ErrorTextsNeverShowThePassword) {
    EXPECT_EQ(withoutPassword("missing \"=\" after \"password='p w' user=x\"", "p w"),
              "missing \"=\" after \"password=******** user=x\"");
    EXPECT_EQ(withoutPassword("host=a PASSWORD = abc;port=1 abc", "abc"),
              "host=a password=********;port=1 ********");
    EXPECT_EQ(withoutPassword("no secret here", ""), "no secret here");
    const QSqlError error("Unable to connect", "line one\nline two with pw\n",
                          QSqlError::ConnectionError);
    EXPECT_EQ(errorText("Unable to connect to database", "PostgreSQL", error, "pw"),
              "Unable to connect to database\r[PostgreSQL] line one\r[PostgreSQL] line two with "
              "********");
}
