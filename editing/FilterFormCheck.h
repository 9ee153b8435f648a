#pragma once

#include <QString>
#include <QVariantMap>

namespace sentrel {
class Interaction;
}

namespace sentrel::editing {

// The checks OK runs in the filter dialog, in order: every needed field filled in with a
// usable priority, the value fitting the property's data type, and a match condition
// without wildcards confirmed by the user. The Boolean drop-down's text is already in the
// value field.
class FilterFormCheck {
  public:
    enum class Failure { None, Input, Value };

    // The first failing check before the exact-match question, without telling anyone.
    static Failure firstFailure(const QVariantMap& fields);
    // Runs the checks, shows the message of a failure and asks about an exact match
    // condition; true when the dialog may close.
    static bool accept(const QVariantMap& fields, Interaction& interaction);

    // The priority as a whole number of at least 1 (fractions round to the nearest); false
    // for text that is no number or no usable priority.
    static bool priorityNumber(const QString& text, int* priority);
    // The data type of an offered property (names compared without case); a null string
    // for a property the dialog does not offer.
    static QString propertyType(const QVariantMap& fields, const QString& property);
    // "(" + data type + ")", as the dialog's type label shows it.
    static QString typeLabel(const QVariantMap& fields, const QString& property);

  private:
    static bool inputComplete(const QVariantMap& fields);
};

}  // namespace sentrel::editing
