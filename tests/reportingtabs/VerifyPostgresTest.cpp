#include <gtest/gtest.h>

// Readable Qt values in failure messages.
#include "editing/QtPrinters.h"

#include "PostgresServer.h"
#include "ReportingTabsFixture.h"

namespace sentrel::test {
namespace {

class VerifyPostgres : public ReportingTabsFixture {
  protected:
    static PostgresServer& server() { return PostgresServer::instance(); }
    // The password login over TCP to the test database, tables under `owner`.
    void useReporter(const QString& owner) {
        useServer(server().tcpServer(), PostgresServer::kUser, PostgresServer::kPassword,
                  PostgresServer::kDatabase, owner);
    }
    // The whole text of every message, to look for the password.
    QString allTexts() const { return ui.messageTexts().join('\n'); }
};

TEST_F(VerifyPostgres, OtherOwnerThanAtInitialisationFailsWithTheServerHints) {
    useReporter("first_owner");
    ui.answerMessage(MsgAnswer::Yes);
    tabs.initializeReportTables();
    ASSERT_TRUE(tabs.flags().tablesInitialized) << allTexts().toStdString();

    ui.clear();
    tabs.setTableOwner("second_owner");
    ui.answerMessage(MsgAnswer::No);
    ui.answerMessage(MsgAnswer::Cancel);
    EXPECT_FALSE(tabs.VerifySQLSettings(true));
    const MessageRequest failed{
        "Data Table test failed",
        "Unable to access the Sentrel Reports data tables.\r\rIt appears you received this "
        "message because the tables required by Sentrel Reports do not exist in this database. If "
        "this is the first time you are configuring the SRWS to work with this PostgreSQL "
        "database then you must press the 'Initialize Report Tables' button on the next screen to "
        "create the tables, and then try this test again.\r\rIf on the other hand you have "
        "already performed that step to initialize the data tables, it is possible that the "
        "tables do exist but under a different owner name than you specified. In that case try "
        "the test again with the original owner name you specified when initializing the tables "
        "for the first time.\r\r[SQLConnection] Unable to execute: INSERT INTO "
        "\"second_owner...\r[PostgreSQL] ERROR:  relation \"second_owner.SNS\" does not "
        "exist\r\rDo you want Sentrel to initialize the Sentrel Reports data tables for you now?",
        MsgIcon::Exclamation,
        MsgButtons::YesNo,
        1,
        1055};
    ASSERT_EQ(ui.messages().size(), 2);
    EXPECT_EQ(ui.messages()[0], failed);
    EXPECT_EQ(ui.messages()[1].title, "Unable to verify table");
    EXPECT_EQ(status(), "The SRWS data tables are NOT working.");
    EXPECT_EQ(tabs.flags().dbState, 7);

    // The first owner again: the tables are there.
    ui.clear();
    tabs.setTableOwner("first_owner");
    EXPECT_TRUE(tabs.VerifySQLSettings(true));
    EXPECT_EQ(ui.messageTexts(), QStringList{"The Sentrel Reports data table test succeeded."});
}

TEST_F(VerifyPostgres, ServersThatRefuseGetTheConnectMessageWithoutThePassword) {
    const QString closed = "127.0.0.1:" + QString::number(closedPort());
    const struct {
        QString server, password, database, reason;
    } cases[] = {
        {server().tcpServer(), "wrong-Pa55", PostgresServer::kDatabase,
         QString("port %1 failed: FATAL:  password authentication failed for user \"reporter\"")
             .arg(server().port())},
        {closed, PostgresServer::kPassword, PostgresServer::kDatabase,
         "port " + closed.mid(10) + " failed: Connection refused"},
        {server().tcpServer(), PostgresServer::kPassword, "no_such_db",
         "database \"no_such_db\" does not exist"},
    };
    for (const auto& c : cases) {
        ui.clear();
        useServer(c.server, PostgresServer::kUser, c.password, c.database, "public");
        ui.answerMessage(MsgAnswer::Cancel);
        EXPECT_FALSE(tabs.VerifySQLSettings(true)) << c.server.toStdString();
        ASSERT_EQ(ui.messages().size(), 1);
        const MessageRequest& shown = ui.messages()[0];
        EXPECT_EQ(shown.title, "Unable to connect to database");
        EXPECT_TRUE(shown.text.startsWith(
            "Sentrel was unable to connect to the Reports database.\r\r[SQLConnection] Unable to "
            "connect to database\r[PostgreSQL] connection to server at \"127.0.0.1\", port "))
            << shown.text.toStdString();
        EXPECT_TRUE(shown.text.contains(c.reason)) << shown.text.toStdString();
        EXPECT_TRUE(shown.text.endsWith(kSaveAnyway));
        EXPECT_FALSE(shown.text.contains(c.password));
        EXPECT_EQ(options.srwsPassword, c.password) << "the typed settings stay";
        EXPECT_EQ(options.srwsServer, c.server);
    }
}

TEST_F(VerifyPostgres, OwnAuthenticationOnTheSocketInitialisesAndTests) {
    tabs.setUseAccess(false);
    tabs.typeServerName(server().socketServer());
    tabs.setUseNTAuthentication(true);
    tabs.setDatabase(PostgresServer::kRootDatabase);
    tabs.setTableOwner("we]ird\"owner");
    EXPECT_EQ(tabs.ShowState().state, DbState::ServerComplete) << "no user name or password";
    ui.answerMessage(MsgAnswer::Yes);
    ui.answerMessage(MsgAnswer::Yes);
    EXPECT_TRUE(tabs.VerifySQLSettings(true));
    EXPECT_EQ(ui.messages().last().title, "Test Succeeded") << allTexts().toStdString();
    EXPECT_TRUE(tabs.flags().tablesTestPassed);
}

TEST_F(VerifyPostgres, LookupListsTheDatabasesOrSaysTheServerIsUnreachable) {
    useReporter("public");
    tabs.setDatabase("");
    tabs.lookup();
    EXPECT_TRUE(ui.messages().isEmpty()) << allTexts().toStdString();
    EXPECT_TRUE(tabs.flags().databaseEntries.contains(PostgresServer::kDatabase));
    EXPECT_FALSE(tabs.flags().databaseEntries.contains("postgres"));
    EXPECT_EQ(options.srwsDatabase, tabs.flags().databaseEntries.value(0)) << "the first chosen";

    const QString closed = "127.0.0.1:" + QString::number(closedPort());
    tabs.typeServerName(closed);
    tabs.lookup();
    const MessageRequest unreachable{
        "Unable to connect to database.",
        "Unable to connect to\rserver '" + closed + "' Check the 'PostgreSQL server' name.",
        MsgIcon::None};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{unreachable});
}

}  // namespace
}  // namespace sentrel::test
