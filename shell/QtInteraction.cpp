#include "shell/QtInteraction.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

namespace sentrel {

namespace {

QMessageBox::Icon toQtIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Critical:
            return QMessageBox::Critical;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toQtButton(MsgAnswer answer) {
    switch (answer) {
        case MsgAnswer::OK:
            return QMessageBox::Ok;
        case MsgAnswer::Cancel:
            return QMessageBox::Cancel;
        case MsgAnswer::Abort:
            return QMessageBox::Abort;
        case MsgAnswer::Retry:
            return QMessageBox::Retry;
        case MsgAnswer::Ignore:
            return QMessageBox::Ignore;
        case MsgAnswer::Yes:
            return QMessageBox::Yes;
        case MsgAnswer::No:
            return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QString filterString(const FileRequest& request) {
    return request.filters.join(QStringLiteral(";;"));
}

QString startPath(const FileRequest& request) {
    if (request.fileName.isEmpty()) return request.directory;
    if (request.directory.isEmpty()) return request.fileName;
    return request.directory + QLatin1Char('/') + request.fileName;
}

}  // namespace

// A question belongs to the window the user is working in (the Hit Tester, a dialog), so that
// answering it does not bring another window to the front; else to the main window.
QWidget* QtInteraction::owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    QWidget* active = QApplication::activeWindow();
    return active && active->isVisible() ? active : parent_.data();
}

void QtInteraction::registerDialog(const QString& name, DialogRunner runner) {
    dialogs_.insert(name, std::move(runner));
}

// A Help button opens the message's topic; the box, which closes on any button, is shown
// again so that the user still answers it.
MsgAnswer QtInteraction::message(const MessageRequest& request) {
    QMessageBox box(toQtIcon(request.icon), request.title, request.text, QMessageBox::NoButton,
                    owner());
    const QList<MsgAnswer> answers = answersOf(request.buttons);
    for (MsgAnswer answer : answers) box.addButton(toQtButton(answer));
    box.setDefaultButton(toQtButton(defaultAnswer(request)));
    QPushButton* help = nullptr;
    if (request.helpContext != 0) {
        help = box.addButton(QMessageBox::Help);
        QObject::connect(help, &QPushButton::clicked, &box, [this, &request] {
            if (showHelp_) showHelp_(request.helpContext);
        });
    }
    int clicked = box.exec();
    while (help && box.clickedButton() == help) clicked = box.exec();
    for (MsgAnswer answer : answers)
        if (clicked == toQtButton(answer)) return answer;
    // Closed with Escape or the close box: the Cancel-like answer of the set.
    return answers.contains(MsgAnswer::Cancel) ? MsgAnswer::Cancel : answers.back();
}

// A chooser with a help context has no Help button: F1 opens its topic. Qt's own dialog is
// used then, since a desktop's native dialog would not pass the key on.
std::optional<QString> QtInteraction::runFileDialog(const FileRequest& request, bool open) {
    QFileDialog dialog(owner(), request.title, startPath(request), filterString(request));
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (request.helpContext != 0) {
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &dialog);
        QObject::connect(f1, &QShortcut::activated, &dialog, [this, &request] {
            if (showHelp_) showHelp_(request.helpContext);
        });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
}

std::optional<QString> QtInteraction::chooseOpenFile(const FileRequest& request) {
    return runFileDialog(request, true);
}

std::optional<QString> QtInteraction::chooseSaveFile(const FileRequest& request) {
    return runFileDialog(request, false);
}

std::optional<QString> QtInteraction::inputBox(const InputRequest& request) {
    bool ok = false;
    const QString text = QInputDialog::getText(owner(), request.title, request.prompt,
                                               QLineEdit::Normal, request.defaultText, &ok);
    if (!ok) return std::nullopt;
    return text;
}

DialogResult QtInteraction::runDialog(const DialogRequest& request) {
    const auto runner = dialogs_.constFind(request.dialog);
    if (runner == dialogs_.cend()) return {false, request.fields};
    return (*runner)(request, owner());
}

}  // namespace sentrel
