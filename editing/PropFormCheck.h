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

  private:
    static bool nameAccepted(const QVariantMap& fields);
};

}  // namespace sentrel::editing
