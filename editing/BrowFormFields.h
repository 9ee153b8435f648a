#pragma once

#include <QString>

// Field names of the add-browser dialog "browForm" as they travel in a DialogRequest.
namespace sentrel::editing::browform {

inline const QString kDialogName = QStringLiteral("browForm");

inline const QString kCaption = QStringLiteral("caption");
inline const QString kDescription = QStringLiteral("txDescription");
inline const QString kUserAgent = QStringLiteral("txUserAgent");
// The chosen parent's description, and the descriptions the parent list offers.
inline const QString kParent = QStringLiteral("cbParent");
inline const QString kParents = QStringLiteral("parents");
// The type name made for the description when OK was accepted.
inline const QString kGeneratedName = QStringLiteral("txGeneratedName");

inline constexpr int kHelpTopic = 1147;

}  // namespace sentrel::editing::browform
