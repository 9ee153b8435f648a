#pragma once

#include <QString>

namespace sentrel::reg {

// Key names as folder names. A key name may hold any character but "\"; in a folder name
// "%" and "/" (and NUL) are written as %25, %2F and %00, and the names "." and ".." with
// their dots as %2E, so no key name can reach outside its parent's folder. (The plain code in
// registry/reader/FolderName.h does the work.)
QString folderNameOfKey(const QString& keyName);
QString keyNameOfFolder(const QString& folderName);

}  // namespace sentrel::reg
