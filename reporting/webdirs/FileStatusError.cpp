#include "reporting/webdirs/FileStatusError.h"

#include "registry/RegistryConstants.h"

namespace sentrel::webdirs {

AppError fileStatusError(int status, const QString& path) {
    switch (status) {
        case reg::ERROR_FILE_NOT_FOUND:
            return AppError(AppError::kFileNotFound,
                            QStringLiteral("File not found: %1").arg(path));
        case reg::ERROR_ACCESS_DENIED:
            return AppError(AppError::kPermissionDenied,
                            QStringLiteral("Permission denied: %1").arg(path));
        case reg::ERROR_DISK_FULL:
            return AppError(AppError::kDiskFull, QStringLiteral("Disk full: %1").arg(path));
        default:
            return AppError(AppError::kPathFileAccess,
                            QStringLiteral("Path/File access error: %1").arg(path));
    }
}

}  // namespace sentrel::webdirs
