#pragma once

#include <QString>

namespace sentrel::reg {

// The keys of the program's settings, all under HKEY_LOCAL_MACHINE.
inline const QString kProductKey = QStringLiteral("SOFTWARE\\Norvane\\Browser Editor\\1.0");
inline const QString kOptionsKey = kProductKey + QStringLiteral("\\options");
inline const QString kBrowserDefsKey = kProductKey + QStringLiteral("\\browserdefs");
inline const QString kMakerKey = QStringLiteral("SOFTWARE\\Norvane");
inline const QString kProductFamilyKey = QStringLiteral("SOFTWARE\\Norvane\\Browser Editor");
// Value of kProductKey: the installation folder.
inline const QString kBaseDirValue = QStringLiteral("basedir");

}  // namespace sentrel::reg
