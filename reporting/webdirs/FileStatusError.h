#pragma once

#include <QString>

#include "shell/AppError.h"

namespace sentrel::webdirs {

// The error for a failed file operation of the file-system seam (a registry status): 53 for
// a missing file, 70 permission denied, 61 disk full, 75 for any other failure.
AppError fileStatusError(int status, const QString& path);

}  // namespace sentrel::webdirs
