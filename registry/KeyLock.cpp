#include "registry/KeyLock.h"

#include "registry/RegistryConstants.h"

namespace sentrel::reg {

KeyLock::KeyLock(const QString& keyFolder)
    : lock_(keyFolder + QStringLiteral("/values.reg.lock")) {}

int KeyLock::acquire() {
    if (lock_.tryLock(kWaitMs)) return ERROR_SUCCESS;
    switch (lock_.error()) {
        case QLockFile::PermissionError:
            return ERROR_ACCESS_DENIED;
        case QLockFile::LockFailedError:
            return ERROR_LOCK_VIOLATION;
        default:
            return ERROR_WRITE_FAULT;
    }
}

}  // namespace sentrel::reg
