#pragma once

#include <QString>
#include <QStringList>

namespace sentrel {

// What the two reporting tabs keep besides the option values: the change and test flags,
// the server and database lists and the state of the Reports Database tab. Loading the
// options clears all of it; the handlers of the reporting tabs set it.
struct ReportingFlags {
    bool dbSettingsChanged = false;   // a Reports Database field changed since load or test
    bool rptSettingsChanged = false;  // the properties to log changed, or a test was run
    // The last table initialisation and test results; they choose the status line's wording.
    bool tablesInitialized = false;
    bool tablesTested = false;
    bool tablesTestPassed = false;
    bool serversListed = false;            // the server list was filled at least once
    bool serverListAvailable = false;      // and a source of servers existed then
    bool permissionReminderShown = false;  // "Check required permissions" shown since load

    // The entries of the server box; the first is the name entered when the list was filled
    // (`serverListName`) or a placeholder line.
    QStringList serverEntries;
    QString serverListName;
    int serverIndex = -1;  // the chosen entry; -1 while the name is typed
    // The entries of the database box, filled by "&Lookup...".
    QStringList databaseEntries;

    int dbState = 0;  // the state of the Reports Database tab, 0 to 8 (DatabaseTabState)

    void clearTableFlags() { tablesInitialized = tablesTested = tablesTestPassed = false; }
    // The placeholder line of the server list is chosen, not a server.
    bool placeholderChosen() const {
        return serverIndex == 0 && !serverEntries.isEmpty() &&
               serverEntries.first() != serverListName;
    }
};

}  // namespace sentrel
