#include "reporting/webdirs/SnippetInstaller.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "reporting/webdirs/ApacheConfiguration.h"
#include "reporting/webdirs/FileStatusError.h"

namespace sentrel::webdirs {

namespace {

// httpd answers the check within seconds; a hung check counts as refused.
constexpr int kCheckTimeoutMs = 60000;

bool isLinkOrFile(const QString& path) {
    return QFileInfo(path).isSymLink() || QFileInfo::exists(path);
}

}  // namespace

SnippetInstaller::SnippetInstaller(const ApacheSetup& setup, const ApacheConfiguration& config)
    : setup_(setup), config_(config) {}

void SnippetInstaller::install(const SrwsSnippet& snippet) {
    try {
        writeSnippet(snippet);
        enableModules();
        link(SrwsSnippet::enabledPath(setup_.configRoot),
             QStringLiteral("../conf-available/") +
                 QFileInfo(SrwsSnippet::availablePath(setup_.configRoot)).fileName());
        check();
    } catch (...) {
        rollBack();
        throw;
    }
}

void SnippetInstaller::writeSnippet(const SrwsSnippet& snippet) {
    const QString path = SrwsSnippet::availablePath(setup_.configRoot);
    QByteArray previous;
    if (setup_.files->readFile(path, previous) == 0) {
        previousSnippet_ = previous;
        previousMode_ = QFile::permissions(path);
    }
    const int status = setup_.files->writeFile(path, snippet.text().toUtf8());
    if (status != 0) throw fileStatusError(status, path);
    // Configuration files are readable by every account, as Debian ships them.
    setup_.files->setMode(path, 0644);
}

void SnippetInstaller::enableModules() {
    if (!config_.hasModule(QStringLiteral("cgi")) && !config_.hasModule(QStringLiteral("cgid"))) {
        // a2enmod cgi enables cgid instead under a threaded MPM.
        enableModule(config_.hasModule(QStringLiteral("mpm_prefork")) ? QStringLiteral("cgi")
                                                                      : QStringLiteral("cgid"));
    }
    for (const QString& module : {QStringLiteral("alias"), QStringLiteral("env")}) {
        if (!config_.hasModule(module)) enableModule(module);
    }
}

void SnippetInstaller::enableModule(const QString& module) {
    const QString root = setup_.configRoot;
    const QString load =
        root + QStringLiteral("/mods-available/") + module + QStringLiteral(".load");
    if (!QFileInfo::exists(load)) throw fileStatusError(reg::ERROR_FILE_NOT_FOUND, load);
    for (const QString& suffix : {QStringLiteral(".load"), QStringLiteral(".conf")}) {
        const QString name = module + suffix;
        if (!QFileInfo::exists(root + QStringLiteral("/mods-available/") + name)) continue;
        link(root + QStringLiteral("/mods-enabled/") + name,
             QStringLiteral("../mods-available/") + name);
    }
}

void SnippetInstaller::link(const QString& linkPath, const QString& target) {
    if (isLinkOrFile(linkPath)) return;
    if (!QFile::link(target, linkPath)) {
        throw fileStatusError(reg::ERROR_ACCESS_DENIED, linkPath);
    }
    createdLinks_.append(linkPath);
}

void SnippetInstaller::check() const {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("APACHE_CONFDIR"), setup_.configRoot);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(setup_.checkCommand.value(0), setup_.checkCommand.mid(1));
    const bool finished = process.waitForFinished(kCheckTimeoutMs);
    if (finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) return;
    const QString output = QString::fromLocal8Bit(process.readAll()).trimmed();
    throw AppError(ApacheConfiguration::kBadSyntax,
                   QStringLiteral("Apache httpd refused the configuration (%1): %2")
                       .arg(setup_.checkCommand.join(QLatin1Char(' ')),
                            output.isEmpty() ? process.errorString() : output));
}

void SnippetInstaller::rollBack() {
    for (auto it = createdLinks_.crbegin(); it != createdLinks_.crend(); ++it) QFile::remove(*it);
    createdLinks_.clear();
    const QString path = SrwsSnippet::availablePath(setup_.configRoot);
    if (previousSnippet_) {
        setup_.files->writeFile(path, *previousSnippet_);
        QFile::setPermissions(path, previousMode_);
    } else {
        QFile::remove(path);
    }
}

}  // namespace sentrel::webdirs
