#pragma once

#include <QString>

#include "reporting/DatabaseTabState.h"
#include "reporting/OptionsHost.h"
#include "reporting/ReportingFlags.h"
#include "reporting/reportsdb/ReportsDbSettings.h"
#include "reporting/reportsdb/ServerListing.h"
#include "reporting/webdirs/ApacheSetup.h"
#include "shell/Interaction.h"

namespace sentrel {

namespace reportsdb {
class ReportsDatabase;
}
class OptionStore;

// The Reporting Options and Reports Database tabs without their widgets: the handlers of
// their fields and buttons over the option store (which holds the tabs' field copies), the
// flags of ReportingFlags, and the verification of the database settings. The dialog calls a
// handler for each change and then shows the store, the lists and ShowState again.
class ReportingTabs {
  public:
    ReportingTabs(OptionStore& options, Interaction& interaction, const OptionsHost& host);

    ReportingFlags& flags() { return flags_; }
    const ReportingFlags& flags() const { return flags_; }

    // The reports service's URL and web directory as loaded, and the URL's virtual path.
    const QString& loadedUrl() const { return loadedUrl_; }
    const QString& loadedInstallPath() const { return loadedInstallPath_; }
    const QString& virtualPath() const { return virtualPath_; }
    // The options were loaded: remembers the URL and web directory, clears the flags.
    void loaded();

    // Where the server list looks for PostgreSQL servers.
    void setServerSources(reportsdb::ServerSources sources) { sources_ = std::move(sources); }

    // Applies the state to `flags().dbState` and answers the tab as it is to be shown.
    DatabaseTabView ShowState();

    // --- Reporting Options
    void setUseThisMachine(bool useThisMachine);
    // Typing in the web address box: the URL becomes the address + the virtual path.
    void webAddressChanged(const QString& address);
    // Leaving the web address box: "http://" in front, nothing from the first "/" after the
    // host on (with the "Invalid character" message).
    void leaveWebAddress();
    void urlChanged(const QString& url);
    // Leaving the web directory, log directory or table owner box: false when the box is
    // to keep the focus. The store holds the corrected text.
    bool leaveWebDirectory();
    bool leaveLogDirectory();
    bool leaveTableOwner();
    // "S&elect ..." beside the web directory: the selection dialog; the directory chosen goes
    // into the box and its URL path into the URL.
    void selectWebDirectory();
    // At OK: deploys the reports web service (SrwsDeployment) when its web directory
    // changed; true unless an error was reported.
    bool CopySRWS();
    // Where the web directories and the deployment read and write Apache's configuration.
    void setApacheSetup(webdirs::ApacheSetup setup) { apacheSetup_ = std::move(setup); }
    // "&Test": opens the reports service's test address in the user's browser.
    void testSrws();
    // "&Select properties to log...".
    void selectPropertiesToLog();
    // Whether the user wants to choose the properties to log before OK saves.
    bool verifyRptPropertiesSelected();

    // --- Reports Database fields
    void setUseAccess(bool useAccess);
    void setAccessDir(const QString& path);
    void typeServerName(const QString& name);
    void chooseServer(int index);
    void setUseNTAuthentication(bool on);
    void setUsername(const QString& text);
    void setPassword(const QString& text);
    void setDatabase(const QString& text);
    void setTableOwner(const QString& text);

    // --- Reports Database buttons
    // "S&elect...": an SQLite file chosen in a file chooser goes into the path.
    void selectAccessFile();
    // Fills the server list the first time the server kind is shown.
    void enumSQLServers();
    // "&Test Settings".
    void testSettings();
    // Tests the settings, offering to create missing tables; false when the user chose to go
    // back to the dialog.
    bool VerifySQLSettings(bool skipQuestion);
    // "&Initialize Report Tables".
    void initializeReportTables();
    // "&Lookup...": the server's databases into the database list.
    void lookup();

    // The settings of the Reports Database tab for the database layer.
    reportsdb::ReportsDbSettings databaseSettings() const;

  private:
    template <class Apply>
    void changeDatabaseField(Apply apply);
    // Says why when the web directory does not exist or cannot be looked at.
    bool webDirectoryExists(const QString& directory);
    void checkComplete() const;
    bool verify(const reportsdb::ReportsDatabase& database);
    bool initializeAndRetest(const reportsdb::ReportsDatabase& database);
    void setBusy(bool busy) const;
    webdirs::ApacheSetup apacheSetup() const;

    OptionStore& options_;
    Interaction& interaction_;
    const OptionsHost& host_;
    ReportingFlags flags_;
    reportsdb::ServerSources sources_ = reportsdb::ServerSources::system();
    QString loadedUrl_;
    QString loadedInstallPath_;
    QString virtualPath_;
    webdirs::ApacheSetup apacheSetup_;
    // The selection dialog was last closed with its Select button (kept across loads).
    bool webDirClosedWithSelect_ = false;
    // "No properties selected" is asked once per program run.
    bool propertiesQuestionAsked_ = false;
};

}  // namespace sentrel
