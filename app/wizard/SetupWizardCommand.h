#pragma once

#include <QString>
#include <functional>

#include "shell/Interaction.h"

namespace sentrel {
class OptionStore;
namespace reg {
class mdlRegistry;
}
}  // namespace sentrel

namespace sentrel::app::wizard {

// The main window's "Run Setup Wizard" command (`runSetupWizard`): with no file open and
// the user's consent, every option goes back to its default (the options key is deleted),
// the wizard runs, and the main definition file opens when the user asks for it.
struct SetupWizardCommand {
    Interaction& interaction;
    reg::mdlRegistry& registry;
    OptionStore& options;
    std::function<bool()> fileOpen;
    std::function<bool()> runWizard;
    std::function<void(const QString& path)> openFile;

    void operator()() const;
};

}  // namespace sentrel::app::wizard
