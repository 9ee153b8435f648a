#pragma once

#include <QObject>
#include <QPointer>

class QUndoStack;
class QUndoView;

namespace sentrel::editor {

class frmMain;

// Edit > Undo, Edit > Redo and View > Undo history over the open file's undo stack. The
// two edit commands are named for the step they take back or make again ("&Undo Remove
// property 'Cookies'") and are enabled exactly while the stack has such a step; the
// history window lists every step and goes to the one clicked.
class UndoCommands : public QObject {
    Q_OBJECT
  public:
    UndoCommands(frmMain& window, QUndoStack& stack);

    // The history window, created on first use.
    QUndoView& historyWindow();

  private:
    void follow();

    frmMain& window_;
    QUndoStack& stack_;
    QPointer<QUndoView> history_;
};

}  // namespace sentrel::editor
