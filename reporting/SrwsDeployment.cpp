#include "reporting/SrwsDeployment.h"

#include <QFileInfo>

#include "registry/KeyPaths.h"
#include "registry/mdlRegistry.h"
#include "reporting/OptionStore.h"
#include "reporting/SrwsUrl.h"
#include "reporting/webdirs/ApacheConfiguration.h"
#include "reporting/webdirs/FileStatusError.h"
#include "reporting/webdirs/ServiceAccountAccess.h"
#include "reporting/webdirs/ServiceFileName.h"
#include "reporting/webdirs/SnippetInstaller.h"
#include "reporting/webdirs/WebDirMessages.h"

namespace sentrel {

namespace messages = webdir_messages;
using webdirs::AccessNeed;
using webdirs::kServiceFileName;

namespace {

// Windows' event sources support error, warning and information entries in two categories.
constexpr qint32 kTypesSupported = 7;
constexpr qint32 kCategoryCount = 2;

QString servicePath(const QString& baseDirectory, const char* build) {
    return baseDirectory + QStringLiteral("/srws/") + QLatin1String(build) + QLatin1Char('/') +
           kServiceFileName;
}

}  // namespace

SrwsDeployment::SrwsDeployment(const OptionStore& options, reg::mdlRegistry& registry,
                               Interaction& interaction, webdirs::ApacheSetup setup)
    : options_(options), registry_(registry), interaction_(interaction), setup_(std::move(setup)) {}

bool SrwsDeployment::CopySRWS(const QString& loadedInstallPath) {
    const QString directory = options_.srwsInstallPath;
    if (options_.srwsRemote || directory == loadedInstallPath) return true;
    const QString target = directory + QLatin1Char('/') + kServiceFileName;
    if (!copyService(chosenSource(), target)) return false;
    registerEventSource(target);
    return writeSnippet();
}

QString SrwsDeployment::chosenSource() {
    const QString x64 = servicePath(options_.baseDirectory(), "x64");
    if (QFileInfo::exists(x64) &&
        interaction_.message(messages::which64Or32Bit()) == MsgAnswer::Yes) {
        return x64;
    }
    return servicePath(options_.baseDirectory(), "x86");
}

bool SrwsDeployment::copyService(const QString& source, const QString& target) {
    const QString directory = options_.srwsInstallPath;
    QByteArray content;
    int status = setup_.files->readFile(source, content);
    if (status == reg::ERROR_FILE_NOT_FOUND) {
        interaction_.message(messages::serviceNotFound(source, directory));
        return false;
    }
    if (status == 0) status = setup_.files->writeFile(target, content);
    if (status == 0) status = setup_.files->setMode(target, 0755);
    if (status == 0) return true;
    AppError error = webdirs::fileStatusError(status, target);
    if (error.number() == AppError::kFileNotFound) {
        error =
            AppError(AppError::kPathNotFound, QStringLiteral("Path not found: %1").arg(directory));
    }
    interaction_.message(messages::copyFailed(directory, error));
    return false;
}

void SrwsDeployment::registerEventSource(const QString& target) {
    // As on Windows, a failure here does not stop the deployment: the service logs to
    // syslog whether or not its source is registered.
    reg::RegKey key;
    if (registry_.store().createKey(reg::HKEY_LOCAL_MACHINE, kEventSourceKey,
                                    reg::kAccessWriteValue, key) != 0) {
        return;
    }
    registry_.SetValueEx(key, QStringLiteral("EventMessageFile"), reg::REG_SZ, target);
    registry_.SetValueEx(key, QStringLiteral("CategoryMessageFile"), reg::REG_SZ, target);
    registry_.SetValueEx(key, QStringLiteral("TypesSupported"), reg::REG_DWORD, kTypesSupported);
    registry_.SetValueEx(key, QStringLiteral("CategoryCount"), reg::REG_DWORD, kCategoryCount);
}

bool SrwsDeployment::writeSnippet() {
    QString urlPath = srwsVirtualPath(options_.srwsURL);
    if (urlPath.isEmpty()) urlPath = QStringLiteral("/");
    ensureTrailingSlash(urlPath);
    try {
        const auto config = webdirs::ApacheConfiguration::load(setup_.configRoot, *setup_.files);
        webdirs::SnippetInstaller(setup_, config)
            .install(
                {options_.srwsInstallPath, urlPath, setup_.keyStoreRoot, setup_.postgresProgram});
        return accountHasAccess(config.user(), config.group());
    } catch (const AppError& error) {
        interaction_.message(messages::selectionError(messages::permissionsSituation(), error));
        return false;
    }
}

bool SrwsDeployment::accountHasAccess(const QString& user, const QString& group) {
    QList<AccessNeed> needs;
    reg::RegKey key;
    const QString keyRoot = setup_.keyStoreRoot;
    // The options, and the installation folder in the product key.
    for (const QString& keyPath : {reg::kOptionsKey, reg::kProductKey}) {
        if (registry_.store().openKey(reg::HKEY_LOCAL_MACHINE, keyPath, reg::kAccessReadValue,
                                      key) != 0)
            continue;
        const QString values = key.folder() + QStringLiteral("/values.reg");
        if (QFileInfo::exists(values))
            needs += webdirs::ServiceAccountAccess::withFoldersAbove(
                {AccessNeed::ReadFile, values, true}, keyRoot);
    }
    if (options_.srwsProviderType == SrwsProvider::Access && !options_.srwsMDBPath.isEmpty()) {
        const QString file = options_.srwsMDBPath;
        const QString folder = QFileInfo(file).absolutePath();
        needs += webdirs::ServiceAccountAccess::withFoldersAbove(
            {AccessNeed::WriteFolder, folder, true}, folder);
        if (QFileInfo::exists(file)) needs.append({AccessNeed::WriteFile, file, true});
    }
    // A PostgreSQL database is served by the installation's PostgreSQL program.
    if (options_.srwsProviderType == SrwsProvider::SqlServer) {
        needs += webdirs::ServiceAccountAccess::withFoldersAbove(
            {AccessNeed::RunFile, setup_.postgresProgram}, QString());
    }
    const webdirs::ServiceAccountAccess access(user, group);
    const QStringList unmet = access.ensure(needs);
    if (unmet.isEmpty()) return true;
    interaction_.message(messages::serviceAccountLacksAccess(access.account(), unmet));
    return false;
}

}  // namespace sentrel
