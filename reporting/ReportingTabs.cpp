#include "reporting/ReportingTabs.h"

#include "registry/mdlRegistry.h"
#include "reporting/DirectoryCheck.h"
#include "reporting/OptionStore.h"
#include "reporting/OptionsDatabaseSettings.h"
#include "reporting/ReportingMessages.h"
#include "reporting/SrwsDeployment.h"
#include "reporting/SrwsUrl.h"
#include "reporting/reportsdb/ReportsDatabase.h"
#include "reporting/reportsdb/TableOwnerRule.h"
#include "reporting/webdirs/WebDirectorySelect.h"
#include "shell/AppError.h"
#include "srws/ServiceFiles.h"

namespace sentrel {

namespace messages = reporting_messages;
using reportsdb::ReportsDatabase;

namespace {

// The page of the reports service that answers a test.
const QString kTestPage = QStringLiteral("norvaneSRWS.dll?test");

bool startsWithScheme(const QString& text, const char* scheme) {
    return text.startsWith(QLatin1String(scheme), Qt::CaseInsensitive);
}

// A directory text without its one trailing "/" (the root "/" stays).
QString withoutTrailingSlash(QString path) {
    if (path.size() > 1 && path.endsWith(QLatin1Char('/'))) path.chop(1);
    return path;
}

// The message's answer is Cancel: the user goes back to the dialog.
bool keepsSettings(MsgAnswer answer) {
    return answer != MsgAnswer::Cancel;
}

// The hourglass while the database is busy.
class BusyPointer {
  public:
    explicit BusyPointer(const OptionsHost& host) : host_(host) { set(true); }
    ~BusyPointer() { set(false); }

  private:
    void set(bool busy) const {
        if (host_.setBusy) host_.setBusy(busy);
    }
    const OptionsHost& host_;
};

const char* const kIncomplete[] = {
    "The SQLite database path setting is empty",         // 0
    nullptr,                                             // 1
    "The PostgreSQL server name setting is empty",       // 2
    "The PostgreSQL username setting is empty",          // 3
    "The PostgreSQL password setting is empty",          // 4
    "The PostgreSQL database name setting is empty",     // 5
    "The PostgreSQL table owner name setting is empty",  // 6
};

}  // namespace

ReportingTabs::ReportingTabs(OptionStore& options, Interaction& interaction,
                             const OptionsHost& host)
    : options_(options), interaction_(interaction), host_(host) {
    loaded();
}

void ReportingTabs::loaded() {
    flags_ = ReportingFlags{};
    loadedUrl_ = options_.srwsURL;
    loadedInstallPath_ = options_.srwsInstallPath;
    virtualPath_ = srwsVirtualPath(loadedUrl_);
}

DatabaseTabView ReportingTabs::ShowState() {
    const DatabaseTabView view = sentrel::ShowState(options_, flags_);
    flags_.dbState = int(view.state);
    return view;
}

// --- Reporting Options

void ReportingTabs::setUseThisMachine(bool useThisMachine) {
    options_.srwsRemote = !useThisMachine;
}

void ReportingTabs::webAddressChanged(const QString& address) {
    options_.srwsLocalWebAddress = address;
    options_.srwsURL = address + virtualPath_;
}

void ReportingTabs::leaveWebAddress() {
    QString address = options_.srwsLocalWebAddress;
    if (address.size() >= 7 && !startsWithScheme(address, "http://") &&
        !startsWithScheme(address, "https://")) {
        address.prepend(QStringLiteral("http://"));
    }
    // The host starts after the scheme: the search starts at the ninth character after
    // "https", at the eighth otherwise.
    const int slash = address.indexOf(QLatin1Char('/'), startsWithScheme(address, "https") ? 8 : 7);
    if (slash >= 0) {
        interaction_.message(messages::invalidCharacter());
        address.truncate(slash);
    }
    if (address != options_.srwsLocalWebAddress) webAddressChanged(address);
}

void ReportingTabs::urlChanged(const QString& url) {
    options_.srwsURL = url;
}

bool ReportingTabs::leaveWebDirectory() {
    QString directory = options_.srwsInstallPath.trimmed();
    options_.srwsInstallPath = directory;
    if (!directory.isEmpty() && !webDirectoryExists(directory)) return false;
    directory = withoutTrailingSlash(directory);
    options_.srwsInstallPath = directory;
    // The directory selection checks the web server's permissions; a directory typed by
    // hand gets the reminder to check them, once.
    if (directory != loadedInstallPath_ && !webDirClosedWithSelect_ &&
        !flags_.permissionReminderShown) {
        flags_.permissionReminderShown = true;
        interaction_.message(messages::checkPermissions(directory));
    }
    return true;
}

bool ReportingTabs::webDirectoryExists(const QString& directory) {
    const DirectoryCheck check = DirectoryCheck::of(directory);
    switch (check.result) {
        case DirectoryCheck::Exists:
            return true;
        case DirectoryCheck::Missing:
            interaction_.message(messages::webDirectoryMissing(directory));
            break;
        case DirectoryCheck::InvalidName:
            interaction_.message(messages::invalidDirectoryName(directory));
            break;
        case DirectoryCheck::Failed:
            interaction_.message(messages::directoryCheckFailed(check.number, check.description));
            break;
    }
    return false;
}

bool ReportingTabs::leaveLogDirectory() {
    const QString directory = options_.srwsLogFilePath.trimmed();
    const bool exists =
        directory.isEmpty() || DirectoryCheck::of(directory).result == DirectoryCheck::Exists;
    if (!exists) interaction_.message(messages::logDirectoryMissing(directory));
    options_.srwsLogFilePath = withoutTrailingSlash(directory);
    return exists;
}

bool ReportingTabs::leaveTableOwner() {
    const QString owner = options_.srwsTableOwner.trimmed();
    if (owner.toLower() == QLatin1String("sa")) {
        interaction_.message(messages::saNotOwner());
        setTableOwner(QString());
        return false;
    }
    if (reportsdb::isTableOwnerTooLong(owner)) {
        interaction_.message(messages::ownerTooLong(owner));
        return false;
    }
    return true;
}

void ReportingTabs::selectWebDirectory() {
    if (!host_.showWebDirectorySelect) return;
    webdirs::WebDirectorySelect selection(interaction_, apacheSetup(), webDirClosedWithSelect_);
    host_.showWebDirectorySelect(selection);
    if (selection.cancelled()) return;
    options_.srwsInstallPath = selection.physicalPath();
    virtualPath_ = selection.urlPath();
    options_.srwsURL = options_.srwsLocalWebAddress + virtualPath_;
}

bool ReportingTabs::CopySRWS() {
    return SrwsDeployment(options_, options_.registry(), interaction_, apacheSetup())
        .CopySRWS(loadedInstallPath_);
}

webdirs::ApacheSetup ReportingTabs::apacheSetup() const {
    webdirs::ApacheSetup setup = apacheSetup_;
    if (setup.keyStoreRoot.isEmpty()) setup.keyStoreRoot = options_.registry().store().rootFolder();
    if (setup.postgresProgram.isEmpty())
        setup.postgresProgram = options_.baseDirectory() + QLatin1String(srws::kPostgresProgram);
    return setup;
}

void ReportingTabs::testSrws() {
    if (flags_.dbSettingsChanged) {
        interaction_.message(messages::pendingChanges());
        return;
    }
    if (options_.srwsURL.isEmpty()) {
        interaction_.message(messages::noUrl());
        return;
    }
    ensureTrailingSlash(options_.srwsURL);
    interaction_.message(messages::attemptingTest());
    if (host_.openUrl) host_.openUrl(options_.srwsURL + kTestPage);
}

void ReportingTabs::selectPropertiesToLog() {
    const QString before = options_.rptProperties;
    if (host_.selectProperties) {
        if (const std::optional<QString> chosen = host_.selectProperties(before)) {
            options_.rptProperties = *chosen;
        }
    }
    if (options_.rptProperties != before) flags_.rptSettingsChanged = true;
    if (options_.rptProperties.isEmpty()) return;
    if (interaction_.message(messages::scriptingRequired()) != MsgAnswer::Yes) return;
    if (options_.srwsURL.trimmed().isEmpty()) {
        interaction_.message(messages::completeLocationFirst());
        return;
    }
    if (host_.showCodeGenerator) host_.showCodeGenerator(options_.rptProperties, options_.srwsURL);
}

bool ReportingTabs::verifyRptPropertiesSelected() {
    const bool urlChanged = options_.srwsURL != loadedUrl_ && !options_.srwsURL.isEmpty();
    if (!urlChanged && !flags_.dbSettingsChanged) return false;
    if (!options_.rptProperties.isEmpty() || propertiesQuestionAsked_) return false;
    propertiesQuestionAsked_ = true;
    return interaction_.message(messages::noPropertiesSelected()) == MsgAnswer::Yes;
}

// --- Reports Database fields

template <class Apply>
void ReportingTabs::changeDatabaseField(Apply apply) {
    flags_.clearTableFlags();
    apply();
    flags_.dbSettingsChanged = true;
}

void ReportingTabs::setUseAccess(bool useAccess) {
    options_.srwsProviderType = useAccess ? SrwsProvider::Access : SrwsProvider::SqlServer;
    flags_.dbSettingsChanged = true;
    if (!useAccess) enumSQLServers();
}

void ReportingTabs::setAccessDir(const QString& path) {
    changeDatabaseField([&] { options_.srwsMDBPath = path; });
}

void ReportingTabs::typeServerName(const QString& name) {
    options_.srwsServer = name;
    flags_.serverIndex = -1;
    flags_.dbSettingsChanged = true;
}

void ReportingTabs::chooseServer(int index) {
    if (index < 0 || index >= flags_.serverEntries.size()) return;
    flags_.clearTableFlags();
    flags_.serverIndex = index;
    if (!flags_.placeholderChosen()) options_.srwsServer = flags_.serverEntries[index];
    if (options_.srwsServer != flags_.serverListName) flags_.dbSettingsChanged = true;
}

void ReportingTabs::setUseNTAuthentication(bool on) {
    changeDatabaseField([&] { options_.srwsIntegratedSecurity = on; });
}

void ReportingTabs::setUsername(const QString& text) {
    changeDatabaseField([&] { options_.srwsUsername = text; });
}

void ReportingTabs::setPassword(const QString& text) {
    changeDatabaseField([&] { options_.srwsPassword = text; });
}

void ReportingTabs::setDatabase(const QString& text) {
    changeDatabaseField([&] { options_.srwsDatabase = text; });
}

void ReportingTabs::setTableOwner(const QString& text) {
    changeDatabaseField([&] { options_.srwsTableOwner = text; });
}

// --- Reports Database buttons

void ReportingTabs::selectAccessFile() {
    FileRequest request;
    request.title = QStringLiteral("Select the SQLite database file");
    request.directory = options_.baseDirectory() + QStringLiteral("/reports");
    request.fileName = QStringLiteral("SNReports.db");
    request.filters = {QStringLiteral("SQLite (*.db)")};
    if (const std::optional<QString> path = interaction_.chooseOpenFile(request)) {
        setAccessDir(*path);
    }
}

void ReportingTabs::enumSQLServers() {
    if (options_.srwsProviderType == SrwsProvider::Access || flags_.serversListed) return;
    if (host_.processEvents) host_.processEvents();
    {
        const BusyPointer busy(host_);
        const reportsdb::ServerList list = reportsdb::ShowServers(options_.srwsServer, sources_);
        flags_.serverListName = options_.srwsServer;
        flags_.serverEntries = list.entries;
        flags_.serverListAvailable = list.available;
    }
    flags_.serversListed = true;
    chooseServer(0);
}

void ReportingTabs::testSettings() {
    VerifySQLSettings(true);
    flags_.dbSettingsChanged = false;
    flags_.rptSettingsChanged = true;
}

reportsdb::ReportsDbSettings ReportingTabs::databaseSettings() const {
    return databaseSettingsOf(options_);
}

void ReportingTabs::checkComplete() const {
    const int state = int(SetState(options_, flags_));
    if (state < int(std::size(kIncomplete)) && kIncomplete[state]) {
        throw AppError(AppError::kObjectErrorBase, QString::fromLatin1(kIncomplete[state]),
                       QStringLiteral("Setup"));
    }
}

bool ReportingTabs::VerifySQLSettings(bool skipQuestion) {
    if (!skipQuestion && !flags_.dbSettingsChanged) return true;
    if (!skipQuestion && interaction_.message(messages::testNewSettings()) != MsgAnswer::Yes) {
        return true;
    }
    const BusyPointer busy(host_);
    flags_.tablesTestPassed = false;
    try {
        checkComplete();
    } catch (const AppError& error) {
        return keepsSettings(interaction_.message(messages::settingsIncomplete(error)));
    }
    const ReportsDatabase database(databaseSettings());
    try {
        database.ConnectTest();
    } catch (const AppError& error) {
        return keepsSettings(interaction_.message(messages::unableToConnect(error)));
    }
    return verify(database);
}

// The table test, and when it fails the offer to create the tables.
bool ReportingTabs::verify(const ReportsDatabase& database) {
    flags_.tablesTested = true;
    try {
        database.TableTest();
    } catch (const AppError& error) {
        if (interaction_.message(messages::tableTestFailed(error)) != MsgAnswer::Yes) {
            return keepsSettings(interaction_.message(messages::unableToVerify()));
        }
        return initializeAndRetest(database);
    }
    interaction_.message(messages::testSucceeded());
    flags_.tablesTestPassed = true;
    return true;
}

bool ReportingTabs::initializeAndRetest(const ReportsDatabase& database) {
    flags_.tablesInitialized = false;
    // Declining leaves the tables missing: the settings are kept, nothing succeeded.
    if (interaction_.message(messages::initializeTables()) != MsgAnswer::Yes) return true;
    flags_.tablesTestPassed = false;
    try {
        database.CreateTables();
    } catch (const AppError& error) {
        return keepsSettings(interaction_.message(messages::unableToCreateTables(error)));
    }
    flags_.tablesInitialized = true;
    try {
        database.TableTest();
    } catch (const AppError& error) {
        return keepsSettings(interaction_.message(messages::errorInSettings(error)));
    }
    interaction_.message(messages::testSucceeded());
    flags_.tablesTestPassed = true;
    return true;
}

void ReportingTabs::initializeReportTables() {
    flags_.clearTableFlags();
    const BusyPointer busy(host_);
    if (interaction_.message(messages::createTablesQuestion()) != MsgAnswer::Yes) return;
    try {
        ReportsDatabase(databaseSettings()).CreateTables();
        flags_.tablesInitialized = true;
    } catch (const AppError& error) {
        interaction_.message(messages::tablesNotCreated(error));
    }
}

void ReportingTabs::lookup() {
    const BusyPointer busy(host_);
    flags_.clearTableFlags();
    const reportsdb::ReportsDbSettings settings = databaseSettings();
    reportsdb::ServerCatalog catalog;
    try {
        catalog.Connect(settings.server, settings.useOsAuthentication, settings.user,
                        settings.password);
        flags_.databaseEntries = catalog.ShowDatabases();
        catalog.Disconnect();
    } catch (const AppError& error) {
        interaction_.message(error.number() == reportsdb::ServerCatalog::kConnectFailed
                                 ? messages::serverUnreachable(settings.server)
                                 : messages::lookupFailed(error));
        return;
    }
    setDatabase(flags_.databaseEntries.value(0));
}

}  // namespace sentrel
