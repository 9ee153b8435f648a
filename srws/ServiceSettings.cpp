#include "srws/ServiceSettings.h"

#include "registry/KeyPaths.h"
#include "registry/mdlRegistry.h"
#include "reporting/OptionStore.h"
#include "reporting/OptionsDatabaseSettings.h"
#include "srws/LoggedInteraction.h"
#include "srws/ReadOnceKeyFiles.h"

namespace sentrel::srws {

namespace {

QString missingSetting(const reportsdb::ReportsDbSettings& database) {
    if (database.kind == reportsdb::DatabaseKind::File)
        return database.filePath.isEmpty() ? QStringLiteral("the SQLite file is not set")
                                           : QString();
    if (database.server.isEmpty()) return QStringLiteral("the PostgreSQL server is not set");
    if (database.database.isEmpty()) return QStringLiteral("the database name is not set");
    return QString();
}

}  // namespace

ServiceSettings ServiceSettings::load(const ServiceLog& log, const QString& registryRoot) {
    LoggedInteraction interaction(log);
    reg::mdlRegistry registry(
        interaction,
        reg::KeyStore(registryRoot.isEmpty() ? reg::KeyStore::defaultRootFolder() : registryRoot,
                      std::make_shared<ReadOnceKeyFiles>()));
    ServiceSettings settings;
    if (!registry.keyExists(reg::kOptionsKey)) {
        settings.problem = QStringLiteral("the options key is missing in the key store ") +
                           registry.store().rootFolder();
        return settings;
    }
    OptionStore options(
        registry, registry.getString(reg::kProductKey, reg::kBaseDirValue).value_or(QString()));
    options.load();
    settings.database = databaseSettingsOf(options);
    settings.logFolder = options.srwsLogFilePath;
    settings.problem = missingSetting(settings.database);
    settings.found = settings.problem.isEmpty();
    return settings;
}

}  // namespace sentrel::srws
