#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>

#include "shell/Interaction.h"

namespace sentrel {

// The interaction shown to a person: real message boxes, file dialogs and input boxes.
// Named dialogs are shown by the function registered for the name by the window that owns
// the dialog's widget.
class QtInteraction : public Interaction {
  public:
    using Interaction::message;
    using DialogRunner = std::function<DialogResult(const DialogRequest&, QWidget* parent)>;

    using ShowHelp = std::function<void(int helpContext)>;

    void setParentWidget(QWidget* parent) { parent_ = parent; }
    // Opens a help topic: a message with a help context gets a Help button, an open chooser
    // with one answers F1.
    void setShowHelp(ShowHelp showHelp) { showHelp_ = std::move(showHelp); }
    void registerDialog(const QString& name, DialogRunner runner);

    MsgAnswer message(const MessageRequest& request) override;
    std::optional<QString> chooseOpenFile(const FileRequest& request) override;
    std::optional<QString> chooseSaveFile(const FileRequest& request) override;
    std::optional<QString> inputBox(const InputRequest& request) override;
    DialogResult runDialog(const DialogRequest& request) override;

    // The window that questions belong to: the active modal dialog, else the active window,
    // else the main window.
    QWidget* owner() const;

  private:
    std::optional<QString> runFileDialog(const FileRequest& request, bool open);

    QPointer<QWidget> parent_;
    ShowHelp showHelp_;
    QHash<QString, DialogRunner> dialogs_;
};

}  // namespace sentrel
