#include "editing/PropFormCheck.h"

#include "document/Vocabulary.h"
#include "editing/PropFormFields.h"
#include "shell/Interaction.h"

namespace sentrel::editing {

namespace pf = propform;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString valueMessage(const QString& value) {
    return QStringLiteral("The specified value \"") + value +
           QStringLiteral("\" is not valid for the selected data type.");
}

}  // namespace

bool PropFormCheck::followsNameRule(const QString& name) {
    return mainMod::isValidPropertyName(name) && !mainMod::isSystemProperty(name);
}

void PropFormCheck::reportInvalidName(Interaction& interaction) {
    interaction.message(
        QStringLiteral("The property name entered is invalid. A property name must") + kCrLf +
            QStringLiteral("be unique, begin with a letter and contain only letters and numbers.") +
            kCrLf + QStringLiteral("Additionally, it can not be a system property name."),
        QStringLiteral("Invalid Property Name"), MsgIcon::Exclamation);
}

bool PropFormCheck::nameAccepted(const QVariantMap& fields) {
    const QString name = fields.value(pf::kName).toString();
    if (mainMod::isSystemProperty(name)) return false;
    if (!fields.value(pf::kNameEnabled, true).toBool()) return true;
    if (!followsNameRule(name)) return false;
    const QStringList taken = fields.value(pf::kTakenNames).toStringList();
    return !taken.contains(name, Qt::CaseInsensitive);
}

PropFormCheck::Failure PropFormCheck::firstFailure(const QVariantMap& fields) {
    if (!nameAccepted(fields)) return Failure::Name;
    const QString type = fields.value(pf::kDataType).toString();
    if (!mainMod::isValidValue(fields.value(pf::kValue).toString(), type)) return Failure::Value;
    if (!mainMod::isValidValue(fields.value(pf::kDefaultValue).toString(), type)) {
        return Failure::DefaultValue;
    }
    return Failure::None;
}

bool PropFormCheck::accept(const QVariantMap& fields, Interaction& interaction) {
    switch (firstFailure(fields)) {
        case Failure::None:
            return true;
        case Failure::Name:
            reportInvalidName(interaction);
            return false;
        case Failure::Value:
            interaction.message(valueMessage(fields.value(pf::kValue).toString()),
                                QStringLiteral("Invalid Property Value Specified"),
                                MsgIcon::Exclamation);
            return false;
        case Failure::DefaultValue:
            interaction.message(valueMessage(fields.value(pf::kDefaultValue).toString()),
                                QStringLiteral("Invalid Property Default Value Specified"),
                                MsgIcon::Exclamation);
            return false;
    }
    return false;
}

}  // namespace sentrel::editing
