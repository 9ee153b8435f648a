#include "registry/reader/KeyFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include "registry/RegistryConstants.h"

namespace sentrel::reg {

namespace {

int statusOfErrno(int error) {
    switch (error) {
        case 0:
            return ERROR_SUCCESS;
        case EACCES:
        case EPERM:
        case EROFS:
            return ERROR_ACCESS_DENIED;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return ERROR_DISK_FULL;
        case ENOENT:
        case ENOTDIR:
            return ERROR_FILE_NOT_FOUND;
        case ENAMETOOLONG:
        case EINVAL:
            return ERROR_INVALID_PARAMETER;
        default:
            return ERROR_WRITE_FAULT;
    }
}

}  // namespace

int lastFailure() {
    const int status = statusOfErrno(errno);
    return status == ERROR_SUCCESS ? ERROR_WRITE_FAULT : status;
}

int accessStatus(const std::string& path, int mode) {
    if (::faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0) return ERROR_SUCCESS;
    return lastFailure();
}

int readWholeFile(const std::string& path, std::string& content) {
    content.clear();
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return errno == ENOENT || errno == ENOTDIR ? ERROR_FILE_NOT_FOUND : ERROR_ACCESS_DENIED;
    }
    struct stat info {};
    if (::fstat(file, &info) == 0 && info.st_size > 0) content.reserve(std::size_t(info.st_size));
    char buffer[16384];
    ssize_t count = 0;
    while ((count = ::read(file, buffer, sizeof buffer)) > 0) content.append(buffer, count);
    ::close(file);
    return count == 0 ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

}  // namespace sentrel::reg
