#pragma once

#include <QString>

// Field names of the property dialog "PropForm" as they travel in a DialogRequest: the
// control names, plus "...Enabled"/"...Visible" companions for the controls' states.
namespace sentrel::editing::propform {

inline const QString kDialogName = QStringLiteral("PropForm");

inline const QString kCaption = QStringLiteral("caption");
inline const QString kName = QStringLiteral("txPropName");
inline const QString kNameEnabled = QStringLiteral("txPropNameEnabled");
inline const QString kDataType = QStringLiteral("comboDataType");
inline const QString kDataTypeEnabled = QStringLiteral("comboDataTypeEnabled");
inline const QString kValue = QStringLiteral("txInitialValue");
inline const QString kValueEnabled = QStringLiteral("txInitialValueEnabled");
inline const QString kDefaultValue = QStringLiteral("txDefaultValue");
inline const QString kDefaultEnabled = QStringLiteral("txDefaultValueEnabled");
inline const QString kDefaultVisible = QStringLiteral("txDefaultValueVisible");
inline const QString kApply = QStringLiteral("chkApply");
inline const QString kApplyEnabled = QStringLiteral("chkApplyEnabled");
// Names the new property may not take (any case): the rows of the property list and the
// parameters the document already has.
inline const QString kTakenNames = QStringLiteral("takenNames");

inline const QString kBooleanType = QStringLiteral("Boolean");
inline const QString kStringType = QStringLiteral("String");
inline const QString kTrue = QStringLiteral("True");
inline const QString kFalse = QStringLiteral("False");

}  // namespace sentrel::editing::propform
