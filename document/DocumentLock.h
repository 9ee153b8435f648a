#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace sentrel::doc {

// The exclusive lock of a bound document: the lock file "<document path>.lock" beside it.
// A lock left behind by a process that is no longer running counts as stale and is taken
// over; a lock held by a running process (this one included) is not, however old.
namespace document_lock {

QString lockPathFor(const QString& documentPath);

// Takes the lock of `documentPath`. Throws AppError: kErrDocumentHeld when another holder
// has it, 70 when the lock file cannot be created for lack of permission, 75 otherwise.
std::unique_ptr<QLockFile> acquire(const QString& documentPath);

}  // namespace document_lock
}  // namespace sentrel::doc
