#pragma once

#include <QString>
#include <QUndoStack>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "document/merge/ChangeRecords.h"
#include "editor/lifecycle/EditStep.h"
#include "shell/AppError.h"

namespace sentrel::lifecycle {

class OpenFileState;

// The undo history of the open file: one step per edit, each taking the document (and the
// merge journal with it) back and forth. An edit runs between begin() and end(); nested
// begins join the outermost one, so an operation made of several changes is one step.
// The stack's clean state is the saved file: the owner marks it at every save and clears
// the history whenever another document (or a compacted one) takes the file's place.
class EditHistory {
  public:
    using Hook = std::function<void()>;
    using FailureSink = std::function<void(const AppError& error)>;

    explicit EditHistory(OpenFileState& state);
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    QUndoStack& stack() { return stack_; }
    // The date written into the records an undo writes (the program's start stamp).
    void setDateStamp(const QString& stamp) { stamp_ = stamp; }
    // Called after an undo or redo changed the document, to show it.
    void setAfterMove(Hook hook) { afterMove_ = std::move(hook); }
    // Told when an undo or redo could not write its records. The document then stays as it
    // was, and so does the history: the step is still to be undone (or redone).
    void setFailureSink(FailureSink sink) { failed_ = std::move(sink); }

    void begin(const QString& text);
    // Ends the edit; an edit that changed the document becomes a step.
    void end();
    bool inStep() const { return depth_ > 0; }
    // A merge record written by the edit in progress (ignored outside one).
    void noteRecord(int code, const std::array<QString, 5>& fields);

    void clear() { stack_.clear(); }
    void markSaved() { stack_.setClean(); }

    // Makes the document that of `state` (the one of the history's step `reachedIndex`),
    // journalling `records`, or (null) the records that take the document from what it is
    // now to `state`. What the saves stamped into the
    // file (its last update, and its version unless `withVersion`) stays as it is now: a
    // later save goes on from the version saved last.
    void moveTo(const EditState& state, const std::vector<doc::ChangeRecord>* records,
                bool withVersion, int reachedIndex);

  private:
    EditState current() const;
    // The file's version numbers; none for a document without them.
    std::pair<int, int> version() const;
    std::vector<doc::ChangeRecord> recordsToward(const QByteArray& target) const;
    // After the stack moved: where a move failed, the stack goes back to the step the
    // document holds, and the failure is told.
    void settle(int index);

    OpenFileState& state_;
    QUndoStack stack_;
    QString stamp_;
    Hook afterMove_;
    FailureSink failed_;
    int documentIndex_ = 0;            // the step whose state the document holds
    std::optional<AppError> failure_;  // of the stack move in progress
    bool settling_ = false;
    int depth_ = 0;
    QString text_;
    EditState before_;
    std::pair<int, int> versionBefore_;
    std::vector<doc::ChangeRecord> records_;
};

}  // namespace sentrel::lifecycle
