#include "document/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "document/DocumentError.h"
#include "shell/AppError.h"

namespace sentrel::doc::file_access {

namespace {

const QString kSource = QStringLiteral("SentrelDocument");

[[noreturn]] void fail(int number, const QString& text) {
    throw AppError(number, text, kSource);
}

bool mentionsErrno(const QString& message, std::initializer_list<int> codes) {
    for (int code : codes) {
        if (message.contains(QString::fromLocal8Bit(std::strerror(code)), Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

struct WriteFailure {
    int number;
    QString reason;
};

// The classic run-time number and the reason of a failed write.
WriteFailure describeWriteFailure(const QFileDevice& file) {
    const QString message = file.errorString();
    if (file.error() == QFileDevice::ResourceError ||
        mentionsErrno(message, {ENOSPC, EDQUOT, EFBIG})) {
        return {AppError::kDiskFull, QStringLiteral("the disk is full")};
    }
    if (file.error() == QFileDevice::PermissionsError ||
        mentionsErrno(message, {EACCES, EPERM, EROFS})) {
        return {AppError::kPermissionDenied, message};
    }
    return {AppError::kPathFileAccess, message};
}

[[noreturn]] void failWrite(const QString& path, const WriteFailure& failure) {
    fail(failure.number,
         QStringLiteral("Could not save \"%1\": %2. The previous file is unchanged.")
             .arg(QDir::toNativeSeparators(path), failure.reason));
}

}  // namespace

void requireExisting(const QString& path) {
    if (!QFileInfo::exists(path)) {
        fail(AppError::kCannotReachServer,
             QStringLiteral("The file \"%1\" does not exist.").arg(QDir::toNativeSeparators(path)));
    }
}

QByteArray readAll(const QString& path) {
    requireExisting(path);
    const QFileInfo info(path);
    if (!info.isFile()) {
        fail(AppError::kPathFileAccess,
             QStringLiteral("\"%1\" is not a file.").arg(QDir::toNativeSeparators(path)));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const int number = file.error() == QFileDevice::PermissionsError || errno == EACCES
                               ? AppError::kPermissionDenied
                               : AppError::kPathFileAccess;
        fail(number, QStringLiteral("Could not open \"%1\": %2.")
                         .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        fail(AppError::kPathFileAccess,
             QStringLiteral("Could not read \"%1\": %2.")
                 .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    return bytes;
}

void requireFolderOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) {
        fail(AppError::kPathNotFound, QStringLiteral("The folder \"%1\" does not exist.")
                                          .arg(QDir::toNativeSeparators(info.absolutePath())));
    }
}

void writeAll(const QString& path, const QByteArray& bytes) {
    requireFolderOf(path);
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        // A device or folder cannot be replaced by rename; writing into it is no save.
        fail(AppError::kPathFileAccess,
             QStringLiteral("\"%1\" is not a regular file.").arg(QDir::toNativeSeparators(path)));
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // Unbuffered: QSaveFile's own buffered flush can fall short and still commit the cut
    // file, so every byte is written and checked here before the rename.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        failWrite(path, describeWriteFailure(file));
    }
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError ||
        file.size() != bytes.size()) {
        // A write cut short without an error is the disk (or the size limit) running full.
        const WriteFailure failure =
            file.error() == QFileDevice::NoError
                ? WriteFailure{AppError::kDiskFull, QStringLiteral("the disk is full")}
                : describeWriteFailure(file);
        file.cancelWriting();
        failWrite(path, failure);
    }
    if (!file.commit()) failWrite(path, describeWriteFailure(file));
}

}  // namespace sentrel::doc::file_access
