#include "document/DocumentLock.h"

#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <cerrno>

#include "document/Document.h"
#include "document/DocumentError.h"
#include "document/FileLocation.h"
#include "document/RuntimeFolder.h"
#include "shell/AppError.h"

namespace sentrel::doc::document_lock {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// What a lock file says about its holder, in QLockFile's layout: the process id, the
// program's name, the host's name and (from Qt 5.10 on) the machine's id, one per line.
struct LockHolder {
    enum class State { Missing, Named, Damaged, Unreadable } state = State::Missing;
    qint64 pid = 0;
    QString program;
    QString host;
    QByteArray machineId;
    uid_t owner = 0;

    static LockHolder read(const QString& lockPath) {
        LockHolder holder;
        struct stat status {};
        if (::stat(QFile::encodeName(lockPath).constData(), &status) != 0) return holder;
        holder.owner = status.st_uid;
        QFile file(lockPath);
        if (!file.open(QIODevice::ReadOnly)) {
            holder.state = State::Unreadable;
            return holder;
        }
        const QList<QByteArray> lines = file.read(4096).split('\n');
        bool number = false;
        holder.pid = lines.value(0).toLongLong(&number);
        holder.program = QString::fromUtf8(lines.value(1));
        holder.host = QString::fromUtf8(lines.value(2));
        holder.machineId = lines.value(3);
        holder.state = number && holder.pid > 0 ? State::Named : State::Damaged;
        return holder;
    }

    // The same host as QLockFile judges it: by machine id when both are known, else by name.
    bool onThisHost() const {
        const QByteArray ours = QSysInfo::machineUniqueId();
        if (!machineId.isEmpty() && !ours.isEmpty()) return machineId == ours;
        return host.isEmpty() || host == QSysInfo::machineHostName();
    }

    bool isRunning() const { return ::kill(pid_t(pid), 0) == 0 || errno == EPERM; }

    // A running process on this host, or one on another host (which cannot be asked).
    bool isKnownHolder() const { return state == State::Named && (!onThisHost() || isRunning()); }
    bool isOtherAccount() const { return state == State::Unreadable && owner != ::geteuid(); }

    QString ownerName() const {
        const passwd* account = ::getpwuid(owner);
        return account ? QString::fromLocal8Bit(account->pw_name) : QString::number(owner);
    }
};

[[noreturn]] void raiseHeld(const LockHolder& holder, const QString& lockPath,
                            const QString& documentPath) {
    if (holder.state == LockHolder::State::Named && !holder.onThisHost()) {
        raiseDocumentError(kErrLockedElsewhere,
                           QStringLiteral("The document \"%1\" is locked by process %2 (%3) on "
                                          "the host \"%4\"; its lock file is \"%5\".")
                               .arg(shown(documentPath), QString::number(holder.pid),
                                    holder.program, holder.host, shown(lockPath)));
    }
    if (holder.isOtherAccount()) {
        raiseDocumentError(kErrLockedElsewhere,
                           QStringLiteral("The document \"%1\" is locked by the account \"%2\", "
                                          "whose lock file \"%3\" can not be read.")
                               .arg(shown(documentPath), holder.ownerName(), shown(lockPath)));
    }
    const QString process = holder.state == LockHolder::State::Named
                                ? QStringLiteral("process %1, ").arg(holder.pid)
                                : QString();
    raiseDocumentError(kErrDocumentHeld,
                       QStringLiteral("The document \"%1\" is in use by this or another program "
                                      "(%2lock file \"%3\").")
                           .arg(shown(documentPath), process, shown(lockPath)));
}

// A lock file that names no process was left half-written (a crash, a full disk) or, when
// this account cannot read its own lock file, damaged otherwise: it is removed and the lock
// taken. A process that is writing its lock file at that moment holds an advisory lock on
// it, which makes the removal fail.
bool takeOverDamaged(QLockFile& lock, const QString& lockPath, const LockHolder& holder) {
    switch (holder.state) {
        case LockHolder::State::Missing:  // released meanwhile
            return lock.tryLock(0);
        case LockHolder::State::Damaged:
            return lock.removeStaleLockFile() && lock.tryLock(0);
        case LockHolder::State::Unreadable:
            return holder.owner == ::geteuid() && QFile::remove(lockPath) && lock.tryLock(0);
        case LockHolder::State::Named:
            return false;
    }
    return false;
}

// The lock at `lockPath`; null when its folder cannot be written and no running process
// holds it there. Throws when another holder has it.
std::unique_ptr<QLockFile> lockAt(const QString& lockPath, const QString& documentPath) {
    auto lock = std::make_unique<QLockFile>(lockPath);
    // No age limit: only a dead holder makes a lock stale, never the time it has been held.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) return lock;
    const bool writable = file_location::isWritableFolder(QFileInfo(lockPath).absolutePath());
    if (lock->error() == QLockFile::LockFailedError) {
        const LockHolder holder = LockHolder::read(lockPath);
        if (takeOverDamaged(*lock, lockPath, holder)) return lock;
        // A lock that cannot be removed here leaves the folder to those who can write it.
        if (!writable && !holder.isKnownHolder() && !holder.isOtherAccount()) return nullptr;
        raiseHeld(holder, lockPath, documentPath);
    }
    if (!writable) return nullptr;
    raiseDocumentError(AppError::kPathFileAccess,
                       QStringLiteral("The lock file \"%1\" of \"%2\" cannot be created.")
                           .arg(shown(lockPath), shown(documentPath)));
}

}  // namespace

QString lockPathFor(const QString& documentPath) {
    return documentPath + QStringLiteral(".lock");
}

QString runtimeLockPathFor(const QString& documentPath) {
    return runtimeFolder() + u'/' + file_location::keyedName(documentPath) +
           QStringLiteral(".lock");
}

std::unique_ptr<QLockFile> acquireAt(const QString& lockPath, const QString& documentPath) {
    return lockAt(lockPath, documentPath);
}

std::unique_ptr<QLockFile> acquire(const QString& documentPath) {
    if (auto lock = lockAt(lockPathFor(documentPath), documentPath)) return lock;
    // The document's folder cannot be written: the lock is held in the runtime folder.
    if (auto lock = lockAt(runtimeLockPathFor(documentPath), documentPath)) return lock;
    raiseDocumentError(AppError::kPermissionDenied,
                       QStringLiteral("Permission denied: the lock file of \"%1\" can be created "
                                      "neither beside it nor in the runtime folder.")
                           .arg(shown(documentPath)));
}

}  // namespace sentrel::doc::document_lock
