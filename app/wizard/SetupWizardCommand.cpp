#include "app/wizard/SetupWizardCommand.h"

#include "app/wizard/WizardMessages.h"
#include "registry/KeyPaths.h"
#include "registry/mdlRegistry.h"
#include "reporting/OptionStore.h"

namespace sentrel::app::wizard {

void SetupWizardCommand::operator()() const {
    if (fileOpen && fileOpen()) {
        interaction.message(closeFileFirstMessage());
        return;
    }
    if (interaction.message(overwriteOptionsQuestion()) != MsgAnswer::Yes) return;
    registry.DeleteKey(reg::HKEY_LOCAL_MACHINE, reg::kOptionsKey);
    options.resetToDefaults();
    options.load();
    if (runWizard && runWizard() && openFile)
        openFile(options.baseDirectory() + QStringLiteral("/maindefs.bdf"));
}

}  // namespace sentrel::app::wizard
