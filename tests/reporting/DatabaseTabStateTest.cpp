#include <gtest/gtest.h>

#include <functional>

#include "registry/mdlRegistry.h"
#include "reporting/DatabaseTabState.h"
#include "reporting/OptionStore.h"
#include "reporting/ReportingFlags.h"
#include "shell/ScriptedInteraction.h"

namespace sentrel {

void PrintTo(const DatabaseTabView& view, std::ostream* out) {
    const DatabaseTabEnabling& on = view.enabled;
    *out << "state " << int(view.state) << " \"" << view.status.toStdString() << "\" frame "
         << on.frame << " file " << on.filePath << " server " << on.serverBox << " fields "
         << on.serverFields << " user " << on.userAndPassword << " lookup " << on.lookup << " test "
         << on.testButtons;
}

namespace {

// The enabled controls, in the order frame, file path, server box, server fields, user name
// and password, "&Lookup...", the two test buttons.
DatabaseTabEnabling enabled(bool frame, bool file, bool server, bool fields, bool user, bool lookup,
                            bool test) {
    return {frame, file, server, fields, user, lookup, test};
}

const DatabaseTabEnabling kNothing = enabled(0, 0, 0, 0, 0, 0, 0);
const DatabaseTabEnabling kFileOnly = enabled(1, 1, 0, 0, 0, 0, 0);
const DatabaseTabEnabling kFileTest = enabled(1, 1, 0, 0, 0, 0, 1);
const DatabaseTabEnabling kServerBox = enabled(1, 0, 1, 0, 0, 0, 0);
const DatabaseTabEnabling kLogin = enabled(1, 0, 1, 1, 1, 0, 0);

// A complete server setting with a password login, the list filled from a source.
struct TabFields {
    TabFields() {
        options.srwsServer = "db.example.com";
        options.srwsIntegratedSecurity = false;
        options.srwsUsername = "reporter";
        options.srwsPassword = "pw";
        options.srwsDatabase = "reports";
        options.srwsTableOwner = "public";
        flags.serverListAvailable = true;
    }
    DatabaseTabView view() const { return ShowState(options, flags); }

    ScriptedInteraction ui;
    reg::mdlRegistry registry{ui};
    OptionStore options{registry, "/opt/sentrel"};
    ReportingFlags flags;
};

TEST(DatabaseTabState, EachRowOfTheStateTable) {
    struct Row {
        const char* why;
        std::function<void(OptionStore&, ReportingFlags&)> set;
        DatabaseTabView expected;
    };
    const QString untested =
        "Click on 'Initialize Tables' to create new tables, or click on 'Test'.";
    const Row rows[] = {
        {"remote service, whatever else",
         [](OptionStore& o, ReportingFlags&) {
             o.srwsRemote = true;
             o.srwsProviderType = SrwsProvider::Access;
         },
         {DbState::RemoteService, "To enable this tab choose to run the SRWS on this server",
          kNothing}},
        {"file kind, blank path",
         [](OptionStore& o, ReportingFlags&) {
             o.srwsProviderType = SrwsProvider::Access;
             o.srwsMDBPath = "  ";
         },
         {DbState::FilePathEmpty, "Enter the full path and filename for an SQLite database file.",
          kFileOnly}},
        {"file kind, path given",
         [](OptionStore& o, ReportingFlags&) {
             o.srwsProviderType = SrwsProvider::Access;
             o.srwsMDBPath = "/srv/reports.db";
         },
         {DbState::FileComplete, untested, kFileTest}},
        {"no server, list available",
         [](OptionStore& o, ReportingFlags&) { o.srwsServer.clear(); },
         {DbState::ServerMissing,
          "Pick a server from the list or type a server name or IP address.", kServerBox}},
        {"no server, no list",
         [](OptionStore& o, ReportingFlags& f) {
             o.srwsServer.clear();
             f.serverListAvailable = false;
         },
         {DbState::ServerMissing,
          "Type a server name or IP address in the 'PostgreSQL server' field", kServerBox}},
        {"placeholder entry chosen while a name is stored",
         [](OptionStore&, ReportingFlags& f) {
             f.serverEntries = {"<<Select or enter server name>>", "localhost"};
             f.serverListName = "";
             f.serverIndex = 0;
         },
         {DbState::ServerMissing,
          "Pick a server from the list or type a server name or IP address.", kServerBox}},
        {"no user name",
         [](OptionStore& o, ReportingFlags&) { o.srwsUsername = " "; },
         {DbState::UsernameEmpty,
          "Enter 'Username' or Select 'Use the operating system's own authentication...'.",
          kLogin}},
        {"no password",
         [](OptionStore& o, ReportingFlags&) { o.srwsPassword.clear(); },
         {DbState::PasswordEmpty, "Enter a password for reporter", kLogin}},
        {"no database, list available",
         [](OptionStore& o, ReportingFlags&) { o.srwsDatabase.clear(); },
         {DbState::DatabaseEmpty, "Enter a 'Database' name, or click on 'Lookup' to fill list.",
          enabled(1, 0, 1, 1, 1, 1, 0)}},
        {"no database, no list",
         [](OptionStore& o, ReportingFlags& f) {
             o.srwsDatabase.clear();
             f.serverListAvailable = false;
         },
         {DbState::DatabaseEmpty, "Enter the name of the 'Database'.", kLogin}},
        {"no table owner",
         [](OptionStore& o, ReportingFlags&) { o.srwsTableOwner.clear(); },
         {DbState::TableOwnerEmpty, "Enter an owner for the Sentrel data tables.",
          enabled(1, 0, 1, 1, 1, 1, 0)}},
        {"complete",
         [](OptionStore&, ReportingFlags&) {},
         {DbState::ServerComplete, untested, enabled(1, 0, 1, 1, 1, 1, 1)}},
        {"own authentication skips user name and password, which are disabled",
         [](OptionStore& o, ReportingFlags& f) {
             o.srwsIntegratedSecurity = true;
             o.srwsUsername.clear();
             o.srwsPassword.clear();
             o.srwsDatabase.clear();
             f.serverListAvailable = false;
         },
         {DbState::DatabaseEmpty, "Enter the name of the 'Database'.",
          enabled(1, 0, 1, 1, 0, 0, 0)}},
        {"own authentication, complete",
         [](OptionStore& o, ReportingFlags&) {
             o.srwsIntegratedSecurity = true;
             o.srwsUsername.clear();
             o.srwsPassword.clear();
         },
         {DbState::ServerComplete, untested, enabled(1, 0, 1, 1, 0, 1, 1)}},
    };
    for (const Row& row : rows) {
        TabFields fresh;
        row.set(fresh.options, fresh.flags);
        EXPECT_EQ(fresh.view(), row.expected) << row.why;
        EXPECT_EQ(SetState(fresh.options, fresh.flags), row.expected.state) << row.why;
    }
}

TEST(DatabaseTabState, ChosenServerEntryIsNoPlaceholder) {
    TabFields tab;
    OptionStore& options = tab.options;
    ReportingFlags& flags = tab.flags;
    flags.serverEntries = {"db.example.com", "localhost"};
    flags.serverListName = "db.example.com";
    flags.serverIndex = 0;
    EXPECT_EQ(SetState(options, flags), DbState::ServerComplete) << "the name typed before";
    flags.serverIndex = 1;
    EXPECT_EQ(SetState(options, flags), DbState::ServerComplete);
    flags.serverListName = "";
    flags.serverIndex = 0;
    EXPECT_EQ(SetState(options, flags), DbState::ServerMissing);
}

TEST(DatabaseTabState, TestWordingFollowsTheTableFlags) {
    TabFields tab;
    OptionStore& options = tab.options;
    ReportingFlags& flags = tab.flags;
    struct Wording {
        bool initialized, tested, passed;
        const char* status;
    };
    const Wording wordings[] = {
        {false, false, false,
         "Click on 'Initialize Tables' to create new tables, or click on 'Test'."},
        {false, true, true, "The SRWS data tables are working"},
        {false, true, false, "The SRWS data tables are NOT working."},
        {true, false, false, "To test the SRWS data tables, click on 'Test'."},
        {true, true, true, "The SRWS data tables are working."},
        {true, true, false, "The SRWS data tables are NOT working."},
    };
    for (const SrwsProvider kind : {SrwsProvider::Access, SrwsProvider::SqlServer}) {
        options.srwsProviderType = kind;
        options.srwsMDBPath = "/srv/reports.db";
        for (const Wording& w : wordings) {
            flags.tablesInitialized = w.initialized;
            flags.tablesTested = w.tested;
            flags.tablesTestPassed = w.passed;
            EXPECT_EQ(tab.view().status, w.status) << w.initialized << w.tested << w.passed;
        }
    }
}

}  // namespace
}  // namespace sentrel
