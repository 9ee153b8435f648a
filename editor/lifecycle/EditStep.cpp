#include "editor/lifecycle/EditStep.h"

#include "editor/lifecycle/EditHistory.h"

namespace sentrel::lifecycle {

EditStep::EditStep(EditHistory& history, const QString& text, EditState before, EditState after,
                   std::vector<doc::ChangeRecord> records)
    : QUndoCommand(text),
      history_(history),
      before_(std::move(before)),
      after_(std::move(after)),
      records_(std::move(records)) {}

void EditStep::undo() {
    history_.moveTo(before_, nullptr);
}

void EditStep::redo() {
    if (made_) {
        made_ = false;
        return;
    }
    history_.moveTo(after_, &records_);
}

}  // namespace sentrel::lifecycle
