#pragma once

#include <QVariantMap>

namespace sentrel {
class Interaction;
}

namespace sentrel::editing {

// The checks OK runs in the property dialog, in order: the name, the value, the default
// value. The Boolean drop-downs have already written their texts into the value fields.
class PropFormCheck {
  public:
    enum class Failure { None, Name, Value, DefaultValue };

    // The first failing check, without telling anyone.
    static Failure firstFailure(const QVariantMap& fields);
    // Runs the checks and shows the message of the first failure; true when all pass.
    static bool accept(const QVariantMap& fields, Interaction& interaction);

    // The rule every new property name follows, in the dialog and in the property list's
    // rename: a letter first, then letters, digits or "_", and not a system property's "i__".
    // Whether the name is taken is checked separately.
    static bool followsNameRule(const QString& name);
    // "Invalid Property Name": the name breaks the rule or is taken.
    static void reportInvalidName(Interaction& interaction);

  private:
    static bool nameAccepted(const QVariantMap& fields);
};

}  // namespace sentrel::editing
