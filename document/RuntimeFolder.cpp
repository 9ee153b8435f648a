#include "document/RuntimeFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>

#include "document/DocumentError.h"
#include "shell/AppError.h"

namespace sentrel::doc {

namespace {

[[noreturn]] void refuse(const QString& folder, const QString& reason) {
    raiseDocumentError(AppError::kPermissionDenied,
                       QStringLiteral("The runtime folder \"%1\" can not be used: %2.")
                           .arg(QDir::toNativeSeparators(folder), reason));
}

QString folderName() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) return runtime + QStringLiteral("/sentrel");
    return QDir::tempPath() + QStringLiteral("/sentrel-") + QString::number(::geteuid());
}

}  // namespace

QString runtimeFolder() {
    const QString folder = folderName();
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        refuse(folder, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat status {};
    if (::lstat(native.constData(), &status) != 0)
        refuse(folder, QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISDIR(status.st_mode)) refuse(folder, QStringLiteral("it is not a folder"));
    if (status.st_uid != ::geteuid())
        refuse(folder, QStringLiteral("it belongs to another account"));
    if ((status.st_mode & 077) != 0 && ::chmod(native.constData(), 0700) != 0)
        refuse(folder, QStringLiteral("it is open to other accounts"));
    return folder;
}

}  // namespace sentrel::doc
