#pragma once

#include <QString>

#include "editing/EditHost.h"

namespace sentrel::editing {

// Makes everything an operation changes from here to the end of the scope one step of the
// open file's undo history, however the operation ends: a change kept after a failure can
// be undone like any other.
class UndoStep {
  public:
    UndoStep(EditHost& host, const QString& text) : host_(host) { host_.beginStep(text); }
    // A step named for what it did to what: "Remove property 'Cookies'".
    UndoStep(EditHost& host, const QString& action, const QString& subject)
        : UndoStep(host, action + QStringLiteral(" '") + subject + QLatin1Char('\'')) {}
    ~UndoStep() { host_.endStep(); }
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

  private:
    EditHost& host_;
};

}  // namespace sentrel::editing
