#include "document/DocumentLock.h"

#include <QDir>
#include <QLockFile>

#include "document/Document.h"
#include "document/DocumentError.h"
#include "shell/AppError.h"

namespace sentrel::doc::document_lock {

QString lockPathFor(const QString& documentPath) {
    return documentPath + QStringLiteral(".lock");
}

std::unique_ptr<QLockFile> acquire(const QString& documentPath) {
    auto lock = std::make_unique<QLockFile>(lockPathFor(documentPath));
    // No age limit: only a dead holder makes a lock stale, never the time it has been held.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) return lock;

    const QString shown = QDir::toNativeSeparators(documentPath);
    switch (lock->error()) {
        case QLockFile::LockFailedError:
            raiseDocumentError(kErrDocumentHeld,
                               QStringLiteral("The document \"%1\" is in use by this or another "
                                              "program.")
                                   .arg(shown));
        case QLockFile::PermissionError:
            raiseDocumentError(AppError::kPermissionDenied,
                               QStringLiteral("Permission denied: the lock file of \"%1\" cannot "
                                              "be created.")
                                   .arg(shown));
        default:
            raiseDocumentError(
                AppError::kPathFileAccess,
                QStringLiteral("The lock file of \"%1\" cannot be created.").arg(shown));
    }
}

}  // namespace sentrel::doc::document_lock
