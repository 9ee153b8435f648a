#pragma once

#include <QString>

namespace sentrel::webdirs {

// The file name of the reports web service, in the installation and in the web directory.
// Other programs rely on it (the test address, the generated logging code), so it keeps the
// name it has on every platform.
inline const QString kServiceFileName = QStringLiteral("NorvaneSRWS.dll");

}  // namespace sentrel::webdirs
