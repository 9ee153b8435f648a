#include "app/InstalledBaseDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "shell/AppError.h"

namespace sentrel::app {

namespace {

const QString kTemplate = QStringLiteral("intmpl.bdf");

[[noreturn]] void fail(const QString& what, const QString& path) {
    throw AppError(AppError::kPathFileAccess,
                   QStringLiteral("Cannot %1 %2 in the user's data folder").arg(what, path));
}

bool isRegistered(const QString& baseDirectory) {
    return baseDirectory.size() >= 3;
}

bool sameFolder(const QString& a, const QString& b) {
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

// A link at `path` to `target`, made beside it and renamed into place, so a reader sees the old
// link or the new one.
void link(const QString& target, const QString& path) {
    const QString temporary = path + QStringLiteral(".new-link");
    QFile::remove(temporary);
    if (!QFile::link(target, temporary) || ::rename(QFile::encodeName(temporary).constData(),
                                                    QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temporary);
        fail(QStringLiteral("link"), path);
    }
}

void linkProgramFile(const QString& installed, const QString& user, const QString& name) {
    const QString path = user + QLatin1Char('/') + name;
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isSymLink()) return;
    const QString target = installed + QLatin1Char('/') + name;
    if (existing.isSymLink() && existing.symLinkTarget() == target) return;
    link(target, path);
}

void copyWhenMissing(const QString& installed, const QString& user, const QString& name) {
    const QString from = installed + QLatin1Char('/') + name;
    const QString to = user + QLatin1Char('/') + name;
    if (!QFileInfo::exists(from) || QFileInfo(to).exists() || QFileInfo(to).isSymLink()) return;
    const QString temporary = to + QStringLiteral(".new");
    QFile::remove(temporary);
    if (!QFile::copy(from, temporary) || !QFile::rename(temporary, to)) {
        QFile::remove(temporary);
        fail(QStringLiteral("copy"), to);
    }
    // The installation's files are read-only; the user's copy is the user's to change.
    QFile(to).setPermissions(QFile(to).permissions() | QFileDevice::WriteOwner);
}

void removeStaleLinks(const QString& installed, const QString& user) {
    const QFileInfoList entries = QDir(user).entryInfoList(QDir::System | QDir::AllEntries |
                                                           QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() && !entry.exists() &&
            entry.symLinkTarget().startsWith(installed + QLatin1Char('/')))
            QFile::remove(entry.absoluteFilePath());
    }
}

}  // namespace

const QStringList InstalledBaseDirectory::kUserFiles = {
    QStringLiteral("intdata.dtl"), QStringLiteral("maindefs.bdf"), QStringLiteral("maindefs.mrg"),
    QStringLiteral("maindefs.bdd")};

QString InstalledBaseDirectory::dataFolderOf(const QString& executableFolder) {
    const QString data = QDir::cleanPath(executableFolder + QStringLiteral("/../share/sentrel"));
    return QFileInfo::exists(data + QLatin1Char('/') + kTemplate) ? data : QString();
}

QString InstalledBaseDirectory::userFolder() {
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/sentrel");
}

QString InstalledBaseDirectory::resolve(const QString& registered,
                                        const QString& executableFolder) {
    const QString installed = dataFolderOf(executableFolder);
    if (installed.isEmpty()) return registered;
    if (isRegistered(registered) && !sameFolder(registered, installed)) return registered;
    const QString user = userFolder();
    prepareUserCopy(installed, user);
    return user;
}

void InstalledBaseDirectory::prepareUserCopy(const QString& installed, const QString& user) {
    if (!QDir().mkpath(user + QStringLiteral("/reports"))) fail(QStringLiteral("make"), user);
    removeStaleLinks(installed, user);
    const QStringList names =
        QDir(installed).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& name : names) {
        if (kUserFiles.contains(name))
            copyWhenMissing(installed, user, name);
        else
            linkProgramFile(installed, user, name);
    }
}

}  // namespace sentrel::app
