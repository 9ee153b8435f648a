#include "reporting/OptionsDatabaseSettings.h"

#include "reporting/OptionStore.h"

namespace sentrel {

reportsdb::ReportsDbSettings databaseSettingsOf(const OptionStore& options) {
    reportsdb::ReportsDbSettings settings;
    settings.kind = options.srwsProviderType == SrwsProvider::Access
                        ? reportsdb::DatabaseKind::File
                        : reportsdb::DatabaseKind::Server;
    settings.filePath = options.srwsMDBPath.trimmed();
    settings.server = options.srwsServer.trimmed();
    settings.useOsAuthentication = options.srwsIntegratedSecurity;
    settings.user = options.srwsUsername.trimmed();
    settings.password = options.srwsPassword;
    settings.database = options.srwsDatabase.trimmed();
    settings.tableOwner = options.srwsTableOwner.trimmed();
    return settings;
}

}  // namespace sentrel
