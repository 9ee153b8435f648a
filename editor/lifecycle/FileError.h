#pragma once

#include <QFileDevice>
#include <QString>

#include "shell/AppError.h"

namespace sentrel::lifecycle {

// The error of a failed file operation with the classic run-time number: 61 disk full,
// 70 permission denied, 76 path not found, 75 anything else. `what` leads the description.
AppError fileError(const QFileDevice& file, const QString& what);

}  // namespace sentrel::lifecycle
