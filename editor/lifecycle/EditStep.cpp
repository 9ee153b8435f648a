#include "editor/lifecycle/EditStep.h"

#include "document/Vocabulary.h"
#include "editor/lifecycle/EditHistory.h"

namespace sentrel::lifecycle {

namespace {

enum MergeCode { kFolderCreated = 1, kBrowserAdded = 4, kTypeRestored = 13 };

}  // namespace

EditStep::EditStep(EditHistory& history, const QString& text, EditState before, EditState after,
                   std::vector<doc::ChangeRecord> records, bool changesVersion)
    : QUndoCommand(text),
      history_(history),
      before_(std::move(before)),
      after_(std::move(after)),
      records_(std::move(records)),
      changesVersion_(changesVersion) {}

void EditStep::undo() {
    history_.moveTo(before_, nullptr, changesVersion_, index());
}

void EditStep::redo() {
    if (made_) {
        made_ = false;
        return;
    }
    const std::vector<doc::ChangeRecord> records = redoRecords();
    history_.moveTo(after_, &records, changesVersion_, index() + 1);
}

int EditStep::index() const {
    const QUndoStack& stack = history_.stack();
    for (int i = 0; i < stack.count(); ++i) {
        if (stack.command(i) == this) return i;
    }
    return 0;
}

std::vector<doc::ChangeRecord> EditStep::redoRecords() const {
    std::vector<doc::ChangeRecord> records = records_;
    for (doc::ChangeRecord& record : records) {
        if (record.code != kFolderCreated && record.code != kBrowserAdded) continue;
        const QString kind =
            record.code == kFolderCreated ? mainMod::kTypeFolder : mainMod::kTypeBrowser;
        record = {kTypeRestored, {record.fields[0], {}, kind, {}, {}}};
    }
    return records;
}

}  // namespace sentrel::lifecycle
