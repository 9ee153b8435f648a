#pragma once

#include <QString>

namespace sentrel::product {

// Values the messages quote: the maker's support address and the product's version.
inline const QString kSupportEmail = QStringLiteral("support@sentrel-editor.org");
inline const QString kName = QStringLiteral("Sentrel");
inline const QString kVersion = QStringLiteral("1.0.0");
inline const QString kLicence = QStringLiteral("Apache License 2.0");

}  // namespace sentrel::product
