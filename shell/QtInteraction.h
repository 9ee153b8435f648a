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

    void setParentWidget(QWidget* parent) { parent_ = parent; }
    void registerDialog(const QString& name, DialogRunner runner);

    MsgAnswer message(const MessageRequest& request) override;
    std::optional<QString> chooseOpenFile(const FileRequest& request) override;
    std::optional<QString> chooseSaveFile(const FileRequest& request) override;
    std::optional<QString> inputBox(const InputRequest& request) override;
    DialogResult runDialog(const DialogRequest& request) override;

  private:
    QPointer<QWidget> parent_;
    QHash<QString, DialogRunner> dialogs_;
};

}  // namespace sentrel
