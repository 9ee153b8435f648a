#pragma once

#include <QByteArray>
#include <QUndoCommand>
#include <vector>

#include "document/merge/ChangeRecords.h"

namespace sentrel::lifecycle {

class EditHistory;

// What an edit step restores: the document's whole content (compressed) and the filter
// order flag, which a save acts on and which no snapshot of the document carries.
struct EditState {
    QByteArray document;
    bool filtersUnsorted = false;

    bool operator==(const EditState&) const = default;
};

// One edit on the undo stack: the states before and after it and the merge records the
// edit wrote. Undo goes back to the state before and journals the records that take the
// change back; redo goes to the state after and journals the edit's own records again.
// The edit itself was made by its operation: the stack's first redo does nothing.
class EditStep : public QUndoCommand {
  public:
    // `changesVersion`: the step set the file's version numbers (Preferences and Options).
    EditStep(EditHistory& history, const QString& text, EditState before, EditState after,
             std::vector<doc::ChangeRecord> records, bool changesVersion);

    void undo() override;
    void redo() override;

  private:
    // The records that make the edit again. A browser or folder the edit added was marked
    // deleted by the undo's records, and a replay takes a second record 1 or 4 of it as
    // already made: it comes back by record 13.
    std::vector<doc::ChangeRecord> redoRecords() const;
    // This step's place in the history: undone, the document is at this index.
    int index() const;

    EditHistory& history_;
    EditState before_;
    EditState after_;
    std::vector<doc::ChangeRecord> records_;
    bool changesVersion_;
    bool made_ = true;  // the edit is in the document already
};

}  // namespace sentrel::lifecycle
