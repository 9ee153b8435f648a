#pragma once

#include <cstdio>

#include "shell/Interaction.h"

namespace sentrel::app {

// The interaction of an editor started with SENTREL_UNATTENDED=1, where nobody answers:
// every message is written to standard output, or the stream given (its title in brackets,
// then its text) and takes its default button; file choosers, input boxes and dialogs are
// cancelled. Scripts and tests use it to run the real program's start-up and read what it would
// have told the user.
class UnattendedInteraction : public Interaction {
  public:
    explicit UnattendedInteraction(FILE* stream = stdout) : stream_(stream) {}

    using Interaction::message;

    MsgAnswer message(const MessageRequest& request) override;
    std::optional<QString> chooseOpenFile(const FileRequest&) override { return std::nullopt; }
    std::optional<QString> chooseSaveFile(const FileRequest&) override { return std::nullopt; }
    std::optional<QString> inputBox(const InputRequest&) override { return std::nullopt; }
    DialogResult runDialog(const DialogRequest& request) override {
        return {false, request.fields};
    }

  private:
    FILE* stream_;
};

}  // namespace sentrel::app
