#include "editor/UndoCommands.h"

#include <QUndoStack>
#include <QUndoView>

#include "editor/frmMain.h"

namespace sentrel::editor {

namespace {

const QString kUndo = QStringLiteral("miEditUndo");
const QString kRedo = QStringLiteral("miEditRedo");

// A menu caption naming a step; an "&" of the step's name is shown, not taken as a mnemonic.
QString caption(const QString& command, const QString& step) {
    if (step.isEmpty()) return command;
    return command + u' ' + QString(step).replace(u'&', QStringLiteral("&&"));
}

}  // namespace

UndoCommands::UndoCommands(frmMain& window, QUndoStack& stack)
    : QObject(&window), window_(window), stack_(stack) {
    CommandDispatcher& dispatcher = window.dispatcher();
    dispatcher.registerOperation(kUndo, [this] { stack_.undo(); });
    dispatcher.registerOperation(kRedo, [this] { stack_.redo(); });
    dispatcher.registerOperation(QStringLiteral("miViewUndoHistory"), [this] {
        QUndoView& view = historyWindow();
        view.show();
        view.raise();
        view.activateWindow();
    });
    connect(&stack_, &QUndoStack::indexChanged, this, &UndoCommands::follow);
    connect(&stack_, &QUndoStack::cleanChanged, this, &UndoCommands::follow);
    follow();
}

void UndoCommands::follow() {
    CommandBar& bar = window_.commandBar();
    bar.setCaption(kUndo, caption(QStringLiteral("&Undo"), stack_.undoText()));
    bar.setCaption(kRedo, caption(QStringLiteral("&Redo"), stack_.redoText()));
    bar.setEnabled(kUndo, stack_.canUndo());
    bar.setEnabled(kRedo, stack_.canRedo());
}

QUndoView& UndoCommands::historyWindow() {
    if (!history_) {
        history_ = new QUndoView(&stack_, &window_);
        history_->setObjectName(QStringLiteral("frmUndoHistory"));
        history_->setWindowFlag(Qt::Tool);
        history_->setWindowTitle(QStringLiteral("Undo history"));
        history_->setEmptyLabel(QStringLiteral("<opened file>"));
        history_->resize(320, 360);
        // Beside the lists, inside the main window, where the changes show.
        const QRect frame = window_.frameGeometry();
        history_->move(frame.right() - history_->width() - 24, frame.top() + 120);
    }
    return *history_;
}

}  // namespace sentrel::editor
