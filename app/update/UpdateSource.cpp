#include "app/update/UpdateSource.h"

#include <QDir>
#include <QFileInfo>

#include "shell/AppError.h"

namespace sentrel::update {

namespace {

bool hasScheme(const QString& address) {
    const qsizetype colon = address.indexOf(QStringLiteral("://"));
    return colon > 0;
}

QUrl folderUrl(const QString& address) {
    if (address.isEmpty()) {
        throw AppError(AppError::kPathFileAccess, QStringLiteral("No update source is set."));
    }
    if (!hasScheme(address)) {
        return QUrl::fromLocalFile(QDir(QFileInfo(address).absoluteFilePath()).path() + u'/');
    }
    QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || !(scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
                            scheme == QLatin1String("file"))) {
        throw AppError(AppError::kPathFileAccess,
                       QStringLiteral("\"%1\" is not an update source: give a folder, or the "
                                      "http or https address of a folder.")
                           .arg(address));
    }
    if (!url.path().endsWith(u'/')) url.setPath(url.path() + u'/');
    return url;
}

}  // namespace

UpdateSource::UpdateSource(const QString& address)
    : address_(address.trimmed()), folder_(folderUrl(address_)) {}

QUrl UpdateSource::fileUrl(const QString& fileName) const {
    return folder_.resolved(QUrl(fileName));
}

}  // namespace sentrel::update
