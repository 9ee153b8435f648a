#include "app/update/UpdateLock.h"

#include <QDir>

#include "document/Document.h"
#include "document/DocumentLock.h"
#include "shell/AppError.h"

namespace sentrel::update {

UpdateLock::UpdateLock(const QString& definitionFile)
    : lock_(doc::document_lock::acquire(definitionFile)) {
    // The lock beside the file was free; an editor that could not write this folder holds
    // the file in its runtime folder instead.
    if (lock_->fileName() == doc::document_lock::lockPathFor(definitionFile))
        requireRuntimeLockFree(definitionFile);
}

UpdateLock::~UpdateLock() = default;

void UpdateLock::requireRuntimeLockFree(const QString& definitionFile) {
    QString path;
    try {
        path = doc::document_lock::runtimeLockPathFor(definitionFile);
    } catch (const AppError&) {
        return;  // no runtime folder: nobody can hold a lock there
    }
    runtimeLock_ = std::make_unique<QLockFile>(path);
    runtimeLock_->setStaleLockTime(0);  // only a holder that is gone makes it stale
    if (runtimeLock_->tryLock(0) || runtimeLock_->error() != QLockFile::LockFailedError) return;
    throw AppError(
        doc::kErrDocumentHeld,
        QStringLiteral("The document \"%1\" is in use by this or another program "
                       "(lock file \"%2\").")
            .arg(QDir::toNativeSeparators(definitionFile), QDir::toNativeSeparators(path)));
}

}  // namespace sentrel::update
