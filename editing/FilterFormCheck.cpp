#include "editing/FilterFormCheck.h"

#include <QLocale>
#include <cmath>
#include <limits>

#include "document/Vocabulary.h"
#include "editing/FilterFormFields.h"
#include "shell/Interaction.h"

namespace sentrel::editing {

namespace ff = filterform;

namespace {

QString text(const QVariantMap& fields, const QString& name) {
    return fields.value(name).toString();
}

}  // namespace

bool FilterFormCheck::priorityNumber(const QString& text, int* priority) {
    double number = 0;
    if (!mainMod::toNumber(text, QLocale(), &number)) return false;
    // The priority is stored as a whole number: one that rounds to 0 would be stored as 0,
    // and one beyond the integer range could not be stored at all.
    number = std::nearbyint(number);
    if (number < 1 || number > std::numeric_limits<int>::max()) return false;
    if (priority) *priority = static_cast<int>(number);
    return true;
}

QString FilterFormCheck::propertyType(const QVariantMap& fields, const QString& property) {
    const QVariantMap types = fields.value(ff::kPropertyTypes).toMap();
    for (auto it = types.begin(); it != types.end(); ++it) {
        if (it.key().compare(property, Qt::CaseInsensitive) == 0) return it.value().toString();
    }
    return {};
}

QString FilterFormCheck::typeLabel(const QVariantMap& fields, const QString& property) {
    // No property chosen (or one the dialog does not offer): no type, and no bare "()".
    const QString type = propertyType(fields, property);
    return type.isEmpty() ? QString() : QStringLiteral("(") + type + QLatin1Char(')');
}

bool FilterFormCheck::inputComplete(const QVariantMap& fields) {
    // The property must be one the dialog offers, so that its data type is known.
    if (propertyType(fields, text(fields, ff::kProperty)).isNull()) return false;
    if (text(fields, ff::kMatchCondition).isEmpty() || text(fields, ff::kValue).isEmpty()) {
        return false;
    }
    return priorityNumber(text(fields, ff::kPriority), nullptr);
}

FilterFormCheck::Failure FilterFormCheck::firstFailure(const QVariantMap& fields) {
    if (!inputComplete(fields)) return Failure::Input;
    const QString value = text(fields, ff::kValue);
    const QString type = propertyType(fields, text(fields, ff::kProperty));
    if (value != ff::kAnyValue && !mainMod::isValidValue(value, type)) {
        return Failure::Value;
    }
    return Failure::None;
}

bool FilterFormCheck::accept(const QVariantMap& fields, Interaction& interaction) {
    switch (firstFailure(fields)) {
        case Failure::Input:
            interaction.message(
                QStringLiteral("Invalid input for filter definition.  Please retry or choose "
                               "cancel."),
                QStringLiteral("Invalid input"), MsgIcon::Exclamation);
            return false;
        case Failure::Value:
            interaction.message(
                QStringLiteral("The specified value \"") + text(fields, ff::kValue) +
                    QStringLiteral("\" is not valid \r\nfor the selected "
                                   "property's data type."),
                QStringLiteral("Invalid Data For Specified Property"), MsgIcon::Exclamation);
            return false;
        case Failure::None:
            break;
    }
    if (text(fields, ff::kMatchCondition).contains(QLatin1Char('*'))) return true;
    const MsgAnswer answer = interaction.message(
        QStringLiteral("You did not include any wildcard characters (*) in your filter "
                       "condition.\r\n"
                       "This means that your match must be exact, which is not a typical "
                       "setting.\r\n"
                       "Would you like to continue anyway?"),
        QStringLiteral("Exact Filter Condition Specified"), MsgIcon::Question, MsgButtons::YesNo,
        2);
    return answer == MsgAnswer::Yes;
}

}  // namespace sentrel::editing
