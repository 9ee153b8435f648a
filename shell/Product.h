#pragma once

#include <QString>

#include "shell/ProductVersion.h"

namespace sentrel::product {

// Values the messages quote: the maker's support address and the product's version.
inline const QString kSupportEmail = QStringLiteral("support@sentrel-editor.org");
inline const QString kName = QStringLiteral("Sentrel");
inline const QString kVersion = QString::fromLatin1(kVersionText);
inline const QString kLicence = QStringLiteral("Apache License 2.0");

}  // namespace sentrel::product
