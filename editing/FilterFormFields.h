#pragma once

#include <QString>

// Field names of the filter dialog "FilterForm" as they travel in a DialogRequest.
namespace sentrel::editing::filterform {

inline const QString kDialogName = QStringLiteral("FilterForm");

inline const QString kCaption = QStringLiteral("caption");
// The property the filter sets, the properties offered (a string list) and their data types
// (a map from property name to the type as the document declares it).
inline const QString kProperty = QStringLiteral("cbProperty");
inline const QString kProperties = QStringLiteral("properties");
inline const QString kPropertyTypes = QStringLiteral("propertyTypes");
inline const QString kMatchCondition = QStringLiteral("txMatchCond");
// The value to set; when the Boolean drop-down shows, its text is copied here on OK.
inline const QString kValue = QStringLiteral("txValueToSet");
inline const QString kPriority = QStringLiteral("txPriority");
// The kind's display name ("Browser user agent", "Cookie value", ...).
inline const QString kBasedOn = QStringLiteral("cbBasedOn");
inline const QString kData = QStringLiteral("txData");
// "change" while the dialog changes a filter.
inline const QString kMode = QStringLiteral("opType");
inline const QString kChangeMode = QStringLiteral("change");

inline const QString kBooleanLabel = QStringLiteral("(Boolean)");
inline const QString kTrue = QStringLiteral("True");
inline const QString kFalse = QStringLiteral("False");
// The value to set that suits a property of any type.
inline const QString kAnyValue = QStringLiteral("*");

inline constexpr int kHelpTopic = 1149;

}  // namespace sentrel::editing::filterform
