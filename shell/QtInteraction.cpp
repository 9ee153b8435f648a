#include "shell/QtInteraction.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

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

std::optional<QString> runFileDialog(QWidget* parent, const FileRequest& request,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, request.title, startPath(request), filterString(request));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
}

}  // namespace

void QtInteraction::registerDialog(const QString& name, DialogRunner runner) {
    dialogs_.insert(name, std::move(runner));
}

MsgAnswer QtInteraction::message(const MessageRequest& request) {
    QMessageBox box(toQtIcon(request.icon), request.title, request.text, QMessageBox::NoButton,
                    parent_);
    const QList<MsgAnswer> answers = answersOf(request.buttons);
    for (MsgAnswer answer : answers) box.addButton(toQtButton(answer));
    box.setDefaultButton(toQtButton(defaultAnswer(request)));
    const int clicked = box.exec();
    for (MsgAnswer answer : answers)
        if (clicked == toQtButton(answer)) return answer;
    // Closed with Escape or the close box: the Cancel-like answer of the set.
    return answers.contains(MsgAnswer::Cancel) ? MsgAnswer::Cancel : answers.back();
}

std::optional<QString> QtInteraction::chooseOpenFile(const FileRequest& request) {
    return runFileDialog(parent_, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtInteraction::chooseSaveFile(const FileRequest& request) {
    return runFileDialog(parent_, request, QFileDialog::AcceptSave);
}

std::optional<QString> QtInteraction::inputBox(const InputRequest& request) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, request.title, request.prompt,
                                               QLineEdit::Normal, request.defaultText, &ok);
    if (!ok) return std::nullopt;
    return text;
}

DialogResult QtInteraction::runDialog(const DialogRequest& request) {
    const auto runner = dialogs_.constFind(request.dialog);
    if (runner == dialogs_.cend()) return {false, request.fields};
    return (*runner)(request, parent_);
}

}  // namespace sentrel
