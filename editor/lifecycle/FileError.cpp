#include "editor/lifecycle/FileError.h"

#include <QDir>
#include <QFileInfo>

namespace sentrel::lifecycle {

namespace {

int numberOf(const QFileDevice& file) {
    if (file.error() == QFileDevice::ResourceError) return AppError::kDiskFull;
    if (file.error() == QFileDevice::PermissionsError) return AppError::kPermissionDenied;
    const QString message = file.errorString().toLower();
    if (message.contains(QLatin1String("no space")) || message.contains(QLatin1String("quota")))
        return AppError::kDiskFull;
    if (message.contains(QLatin1String("permission")) ||
        message.contains(QLatin1String("read-only")))
        return AppError::kPermissionDenied;
    if (!QFileInfo(file.fileName()).absoluteDir().exists()) return AppError::kPathNotFound;
    return AppError::kPathFileAccess;
}

}  // namespace

AppError fileError(const QFileDevice& file, const QString& what) {
    return AppError(numberOf(file), what + QStringLiteral(" \"") +
                                        QDir::toNativeSeparators(file.fileName()) +
                                        QStringLiteral("\": ") + file.errorString());
}

}  // namespace sentrel::lifecycle
