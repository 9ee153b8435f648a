#include "registry/KeyFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cerrno>

#include "registry/Utf8Text.h"
#include "registry/reader/KeyFiles.h"

namespace sentrel::reg {

namespace {

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

std::optional<mode_t> modeOf(const QString& path) {
    struct stat info {};
    if (::stat(nativePath(path).constData(), &info) != 0) return std::nullopt;
    return info.st_mode & 07777;
}

// An existing file keeps its mode; a new one takes its folder's read and write bits.
// Neither is ever writable by every account.
mode_t modeForFile(const QString& path) {
    if (const auto existing = modeOf(path)) return *existing & ~mode_t(S_IWOTH);
    const auto folder = modeOf(QFileInfo(path).absolutePath());
    return folder ? (*folder & 0664) & ~mode_t(S_IWOTH) : 0644;
}

int ownerStatus(const QString& path) {
    struct stat info {};
    if (::stat(nativePath(path).constData(), &info) != 0) return lastFailure();
    const uid_t me = ::geteuid();
    return me == 0 || me == info.st_uid ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

}  // namespace

int KeyFileSystem::checkAccess(const QString& folder, RegAccess access) const {
    const RegAccess readRights =
        KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY | STANDARD_RIGHTS_READ;
    const RegAccess writeRights = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK;
    int status = ERROR_SUCCESS;
    const std::string path = utf8OfText(folder);
    if (access & readRights) status = accessStatus(path, R_OK | X_OK);
    if (status == ERROR_SUCCESS && (access & writeRights)) status = accessStatus(path, W_OK | X_OK);
    if (status == ERROR_SUCCESS && (access & WRITE_DAC)) status = ownerStatus(folder);
    return status;
}

// A new folder in a shared store (its parent group-writable and setgid, as the machine-wide
// store is) stays writable by that group whatever the umask; elsewhere it is 0755.
int KeyFileSystem::makeFolder(const QString& path) {
    if (::mkdir(nativePath(path).constData(), 0755) != 0)
        return errno == EEXIST ? 0 : lastFailure();
    const auto parent = modeOf(QFileInfo(path).absolutePath());
    const mode_t shared = parent ? *parent & mode_t(S_IWGRP | S_ISGID) : 0;
    return shared == 0 ? ERROR_SUCCESS : setMode(path, int(0755 | shared));
}

int KeyFileSystem::readFile(const QString& path, QByteArray& content) const {
    std::string bytes;
    const int status = readWholeFile(utf8OfText(path), bytes);
    content = byteArrayOf(bytes);
    return status;
}

int KeyFileSystem::writeFile(const QString& path, const QByteArray& content) {
    const mode_t mode = modeForFile(path);
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return lastFailure();
    if (::fchmod(file.handle(), mode) != 0 || file.write(content) != content.size()) {
        const int status = lastFailure();
        file.cancelWriting();
        return status;
    }
    errno = 0;
    return file.commit() ? ERROR_SUCCESS : lastFailure();
}

int KeyFileSystem::setMode(const QString& path, int mode) {
    return ::chmod(nativePath(path).constData(), mode_t(mode)) == 0 ? ERROR_SUCCESS : lastFailure();
}

int KeyFileSystem::removeFolder(const QString& path) {
    return QDir(path).removeRecursively() ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

}  // namespace sentrel::reg
