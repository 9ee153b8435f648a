#include "reporting/DirectoryCheck.h"

#include <sys/stat.h>

#include <QFile>
#include <cerrno>
#include <cstring>

#include "shell/AppError.h"

namespace sentrel {

DirectoryCheck DirectoryCheck::of(const QString& path) {
    // A name the system cannot take at all: a NUL inside, or too long.
    if (path.contains(QChar(0))) return {InvalidName};
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) == 0) {
        return {S_ISDIR(status.st_mode) ? Exists : Missing};
    }
    const int error = errno;
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return {Missing};
        case ENAMETOOLONG:
            return {InvalidName};
        default:
            return {Failed,
                    error == EACCES ? AppError::kPermissionDenied : AppError::kPathFileAccess,
                    QString::fromLocal8Bit(std::strerror(error))};
    }
}

}  // namespace sentrel
