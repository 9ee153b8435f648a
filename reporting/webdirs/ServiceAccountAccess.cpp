#include "reporting/webdirs/ServiceAccountAccess.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <vector>

namespace sentrel::webdirs {

namespace {

const char* const kWhat[] = {"read", "write", "search", "write", "run"};

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// The permission bits the need asks for: read 4, write 2, search or run 1.
int bitsOf(AccessNeed::Kind kind) {
    switch (kind) {
        case AccessNeed::ReadFile:
            return 4;
        case AccessNeed::WriteFile:
            return 6;
        case AccessNeed::SearchFolder:
            return 1;
        case AccessNeed::WriteFolder:
            return 3;
        case AccessNeed::RunFile:
            return 5;
    }
    return 7;
}

bool isFolder(AccessNeed::Kind kind) {
    return kind == AccessNeed::SearchFolder || kind == AccessNeed::WriteFolder;
}

}  // namespace

ServiceAccountAccess::ServiceAccountAccess(const QString& user, const QString& group)
    : user_(user), group_(group) {
    const passwd* account = ::getpwnam(native(user).constData());
    const struct group* named = ::getgrnam(native(group).constData());
    if (!account) return;
    known_ = true;
    uid_ = account->pw_uid;
    gid_ = named ? named->gr_gid : account->pw_gid;
    int count = 64;
    std::vector<gid_t> list(static_cast<size_t>(count));
    if (::getgrouplist(account->pw_name, account->pw_gid, list.data(), &count) < 0) {
        list.resize(static_cast<size_t>(count));
        ::getgrouplist(account->pw_name, account->pw_gid, list.data(), &count);
    }
    groups_ = QList<gid_t>(list.begin(), list.begin() + count);
    groups_.append(gid_);
}

QList<AccessNeed> ServiceAccountAccess::withFoldersAbove(const AccessNeed& need,
                                                         const QString& ourRoot) {
    QList<AccessNeed> needs;
    const QString root = QDir::cleanPath(ourRoot);
    QString folder = QDir::cleanPath(need.path);
    while (folder != QLatin1String("/") && !folder.isEmpty()) {
        folder = QFileInfo(folder).path();
        const bool ours = folder == root || folder.startsWith(root + QLatin1Char('/'));
        needs.prepend({AccessNeed::SearchFolder, folder, ours && !root.isEmpty()});
    }
    needs.append(need);
    return needs;
}

QStringList ServiceAccountAccess::ensure(const QList<AccessNeed>& needs) const {
    QStringList unmet;
    for (const AccessNeed& need : needs) {
        if (!met(need) && need.ours && ::geteuid() == 0 && known_) grant(need);
        if (!met(need)) {
            unmet.append(QStringLiteral("%1 (%2)").arg(need.path, QLatin1String(kWhat[need.kind])));
        }
    }
    unmet.removeDuplicates();
    return unmet;
}

QString ServiceAccountAccess::account() const {
    return QStringLiteral("%1 (group %2)").arg(user_, group_);
}

bool ServiceAccountAccess::met(const AccessNeed& need) const {
    struct stat info {};
    if (!known_ || ::stat(native(need.path).constData(), &info) != 0) return false;
    if (isFolder(need.kind) != S_ISDIR(info.st_mode)) return false;
    if (uid_ == 0) return true;
    const int wanted = bitsOf(need.kind);
    int granted = int(info.st_mode & 07);
    if (info.st_uid == uid_) {
        granted = int(info.st_mode >> 6) & 07;
    } else if (groups_.contains(info.st_gid)) {
        granted = int(info.st_mode >> 3) & 07;
    }
    return (granted & wanted) == wanted;
}

void ServiceAccountAccess::grant(const AccessNeed& need) const {
    const QByteArray path = native(need.path);
    if (::chown(path.constData(), uid_t(-1), gid_) != 0) return;
    ::chmod(path.constData(), isFolder(need.kind) ? 02775 : 0664);
}

}  // namespace sentrel::webdirs
