#include "reporting/DatabaseTabState.h"

#include "reporting/OptionStore.h"
#include "reporting/ReportingFlags.h"

namespace sentrel {

namespace {

bool blank(const QString& text) {
    return text.trimmed().isEmpty();
}

// The status line of the complete states: whether the tables work, worded by whether they
// were initialised since the dialog was loaded.
QString testWording(const ReportingFlags& flags) {
    if (!flags.tablesTested) {
        return flags.tablesInitialized
                   ? QStringLiteral("To test the SRWS data tables, click on 'Test'.")
                   : QStringLiteral(
                         "Click on 'Initialize Tables' to create new tables, or click on 'Test'.");
    }
    if (!flags.tablesTestPassed) return QStringLiteral("The SRWS data tables are NOT working.");
    return flags.tablesInitialized ? QStringLiteral("The SRWS data tables are working.")
                                   : QStringLiteral("The SRWS data tables are working");
}

QString statusOf(DbState state, const OptionStore& options, const ReportingFlags& flags) {
    switch (state) {
        case DbState::RemoteService:
            return QStringLiteral("To enable this tab choose to run the SRWS on this server");
        case DbState::FilePathEmpty:
            return QStringLiteral("Enter the full path and filename for an SQLite database file.");
        case DbState::ServerMissing:
            return flags.serverListAvailable
                       ? QStringLiteral(
                             "Pick a server from the list or type a server name or IP address.")
                       : QStringLiteral(
                             "Type a server name or IP address in the 'PostgreSQL server' field");
        case DbState::UsernameEmpty:
            return QStringLiteral(
                "Enter 'Username' or Select 'Use the operating system's own authentication...'.");
        case DbState::PasswordEmpty:
            return QStringLiteral("Enter a password for ") + options.srwsUsername;
        case DbState::DatabaseEmpty:
            return flags.serverListAvailable
                       ? QStringLiteral(
                             "Enter a 'Database' name, or click on 'Lookup' to fill list.")
                       : QStringLiteral("Enter the name of the 'Database'.");
        case DbState::TableOwnerEmpty:
            return QStringLiteral("Enter an owner for the Sentrel data tables.");
        case DbState::FileComplete:
        case DbState::ServerComplete:
            break;
    }
    return testWording(flags);
}

DatabaseTabEnabling enablingOf(DbState state, const OptionStore& options,
                               const ReportingFlags& flags) {
    DatabaseTabEnabling on;
    if (state == DbState::RemoteService) return on;
    on.frame = true;
    if (state == DbState::FilePathEmpty || state == DbState::FileComplete) {
        on.filePath = true;
        on.testButtons = state == DbState::FileComplete;
        return on;
    }
    on.serverBox = true;
    if (state == DbState::ServerMissing) return on;
    on.serverFields = true;
    on.userAndPassword = !options.srwsIntegratedSecurity;
    on.lookup = state >= DbState::DatabaseEmpty && flags.serverListAvailable;
    on.testButtons = state == DbState::ServerComplete;
    return on;
}

}  // namespace

DbState SetState(const OptionStore& options, const ReportingFlags& flags) {
    if (options.srwsRemote) return DbState::RemoteService;
    if (options.srwsProviderType == SrwsProvider::Access) {
        return blank(options.srwsMDBPath) ? DbState::FilePathEmpty : DbState::FileComplete;
    }
    if (blank(options.srwsServer) || flags.placeholderChosen()) return DbState::ServerMissing;
    if (!options.srwsIntegratedSecurity) {
        if (blank(options.srwsUsername)) return DbState::UsernameEmpty;
        if (options.srwsPassword.isEmpty()) return DbState::PasswordEmpty;
    }
    if (blank(options.srwsDatabase)) return DbState::DatabaseEmpty;
    if (blank(options.srwsTableOwner)) return DbState::TableOwnerEmpty;
    return DbState::ServerComplete;
}

DatabaseTabView ShowState(const OptionStore& options, const ReportingFlags& flags) {
    const DbState state = SetState(options, flags);
    return {state, statusOf(state, options, flags), enablingOf(state, options, flags)};
}

}  // namespace sentrel
