#include "app/update/UpdateLock.h"

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
    // Taken as the editor takes it: a lock left by a program that is gone, or left
    // half-written when it was killed, is taken over; one held by a running program refuses.
    runtimeLock_ = doc::document_lock::acquireAt(path, definitionFile);
}

}  // namespace sentrel::update
