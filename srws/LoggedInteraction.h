#pragma once

#include "shell/Interaction.h"

namespace sentrel::srws {

class ServiceLog;

// The interaction of a program that has no one to ask: every message goes to the
// service's log and is answered with its default button; choosers, input boxes and dialogs
// are cancelled. The key store reaches the user through it (a failed write).
class LoggedInteraction : public Interaction {
  public:
    explicit LoggedInteraction(const ServiceLog& log) : log_(log) {}

    using Interaction::message;
    MsgAnswer message(const MessageRequest& request) override;
    std::optional<QString> chooseOpenFile(const FileRequest&) override { return std::nullopt; }
    std::optional<QString> chooseSaveFile(const FileRequest&) override { return std::nullopt; }
    std::optional<QString> inputBox(const InputRequest&) override { return std::nullopt; }
    DialogResult runDialog(const DialogRequest&) override { return {}; }

  private:
    const ServiceLog& log_;
};

}  // namespace sentrel::srws
