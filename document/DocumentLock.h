#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace sentrel::doc {

// A document locked by a process on another host (a shared folder), or by another account
// whose lock file this one cannot read; the description names the holder and the lock file.
inline constexpr int kErrLockedElsewhere = 1060;

// The exclusive lock of a bound document: the lock file "<document path>.lock" beside it.
// A lock left behind by a process that is no longer running counts as stale and is taken
// over; a lock held by a running process (this one included) is not, however old. A lock
// file that names no process (left half-written by a crash or a full disk) is taken over
// too, unless a process is writing it at that moment. A document in a folder this account
// cannot write is locked in the runtime folder instead (RuntimeFolder.h), under a name keyed
// by the document's canonical path, so it can still be opened to be read.
namespace document_lock {

QString lockPathFor(const QString& documentPath);
// Where the lock of a document in a folder this account cannot write is held.
QString runtimeLockPathFor(const QString& documentPath);

// Takes the lock of `documentPath`. Throws AppError: kErrDocumentHeld when a running process
// on this host has it, kErrLockedElsewhere (see above), 70 when no lock file can be created
// for lack of permission, 75 otherwise. The descriptions name the lock file and the holder.
std::unique_ptr<QLockFile> acquire(const QString& documentPath);
// The same for the lock file at `lockPath` only (for a program that must also hold the other
// place a lock of the document can be): null when that folder cannot be written and nobody
// holds the lock there.
std::unique_ptr<QLockFile> acquireAt(const QString& lockPath, const QString& documentPath);

}  // namespace document_lock
}  // namespace sentrel::doc
