#include "srws/ReadOnceKeyFiles.h"

namespace sentrel::srws {

int ReadOnceKeyFiles::checkAccess(const QString& folder, reg::RegAccess access) const {
    const QString key = QString::number(access) + QLatin1Char(':') + folder;
    const auto known = access_.constFind(key);
    if (known != access_.cend()) return *known;
    return access_[key] = KeyFileSystem::checkAccess(folder, access);
}

int ReadOnceKeyFiles::readFile(const QString& path, QByteArray& content) const {
    auto known = files_.constFind(path);
    if (known == files_.cend()) {
        Read read{0, {}};
        read.status = KeyFileSystem::readFile(path, read.content);
        known = files_.insert(path, read);
    }
    content = known->content;
    return known->status;
}

int ReadOnceKeyFiles::forgetting(int status) {
    files_.clear();
    access_.clear();
    return status;
}

int ReadOnceKeyFiles::makeFolder(const QString& path) {
    return forgetting(KeyFileSystem::makeFolder(path));
}

int ReadOnceKeyFiles::writeFile(const QString& path, const QByteArray& content) {
    return forgetting(KeyFileSystem::writeFile(path, content));
}

int ReadOnceKeyFiles::setMode(const QString& path, int mode) {
    return forgetting(KeyFileSystem::setMode(path, mode));
}

int ReadOnceKeyFiles::removeFolder(const QString& path) {
    return forgetting(KeyFileSystem::removeFolder(path));
}

}  // namespace sentrel::srws
