#pragma once

#include <string>

namespace sentrel::reg {

// The system calls on the key store's folders and files that reading needs, answering
// registry statuses (ERROR_SUCCESS, ERROR_ACCESS_DENIED, ...).

// The status of the last failed system call (by errno); a failure that left no reason is
// still one.
int lastFailure();
// Whether this process may use `path` with the access(2) `mode` (R_OK | X_OK, ...), judged
// by its effective account.
int accessStatus(const std::string& path, int mode);
// Reads a whole file; ERROR_FILE_NOT_FOUND when it does not exist, ERROR_ACCESS_DENIED when
// it cannot be read.
int readWholeFile(const std::string& path, std::string& content);

}  // namespace sentrel::reg
