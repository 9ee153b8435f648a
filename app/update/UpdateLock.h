#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace sentrel::update {

// Holds a definition file against the editor while the update replaces it. The editor holds
// an open document by its lock file beside it or, when it cannot write the file's folder, by
// a lock in its runtime folder; while either is held by a running program the update is
// refused. While the update holds the lock, the editor cannot open the file either.
class UpdateLock {
  public:
    // Throws AppError (kErrDocumentHeld or kErrLockedElsewhere) naming the holder when the
    // file is open elsewhere, another AppError when no lock can be taken.
    explicit UpdateLock(const QString& definitionFile);
    ~UpdateLock();
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;

  private:
    void requireRuntimeLockFree(const QString& definitionFile);

    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLockFile> runtimeLock_;
};

}  // namespace sentrel::update
