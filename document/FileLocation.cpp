#include "document/FileLocation.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace sentrel::doc::file_location {

QString canonicalPath(const QString& path) {
    const QFileInfo info(path);
    if (info.exists()) return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + u'/' + info.fileName();
}

QString keyedName(const QString& path) {
    const QByteArray hash =
        QCryptographicHash::hash(canonicalPath(path).toUtf8(), QCryptographicHash::Sha1);
    return QFileInfo(path).fileName() + u'-' + QString::fromLatin1(hash.toHex().left(16));
}

bool isWritableFolder(const QString& folder) {
    return QFileInfo(folder).isDir() &&
           ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

}  // namespace sentrel::doc::file_location
