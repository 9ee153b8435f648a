#pragma once

#include <QString>

namespace sentrel {

class OptionStore;
struct ReportingFlags;

// The states of the Reports Database tab: what is still missing, or that the settings are
// complete and can be tested.
enum class DbState : int {
    FilePathEmpty = 0,
    FileComplete = 1,
    ServerMissing = 2,
    UsernameEmpty = 3,
    PasswordEmpty = 4,
    DatabaseEmpty = 5,
    TableOwnerEmpty = 6,
    ServerComplete = 7,
    RemoteService = 8,
};

// Which controls of the Reports Database tab are enabled in a state.
struct DatabaseTabEnabling {
    bool frame = false;            // the frame and both database options
    bool filePath = false;         // the SQLite file box and its "S&elect..."
    bool serverBox = false;        // the PostgreSQL frame and the server box
    bool serverFields = false;     // authentication box, database box, table owner
    bool userAndPassword = false;  // user name and password boxes
    bool lookup = false;           // "&Lookup..."
    bool testButtons = false;      // "&Test Settings" and "&Initialize Report Tables"

    bool operator==(const DatabaseTabEnabling&) const = default;
};

// The tab as ShowState applies it.
struct DatabaseTabView {
    DbState state = DbState::RemoteService;
    QString status;
    DatabaseTabEnabling enabled;

    bool operator==(const DatabaseTabView&) const = default;
};

// The state of the tab, the first condition that holds in the order 8, 0, 1, 2, ..., 7.
// With the operating system's own authentication the user name and password are not
// needed, so states 3 and 4 are skipped.
DbState SetState(const OptionStore& options, const ReportingFlags& flags);
// The state with its status line and enabled controls.
DatabaseTabView ShowState(const OptionStore& options, const ReportingFlags& flags);

}  // namespace sentrel
