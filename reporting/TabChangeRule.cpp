#include "reporting/TabChangeRule.h"

#include "reporting/OptionsMessages.h"
#include "reporting/OptionsTab.h"

namespace sentrel {

int TabChangeRule::tabSelected(int selected, bool useThisMachine) {
    if (flags_.wizardRunning && selected != flags_.optionsTab) {
        interaction_.message(options_messages::finishSetupWizard());
        return flags_.optionsTab;
    }
    flags_.optionsTab = selected;
    tabEntered(selected, useThisMachine);
    return selected;
}

void TabChangeRule::tabEntered(int tab, bool useThisMachine) {
    if (optionsTabAt(tab) != OptionsTab::ReportsDatabase) return;
    if (!useThisMachine) {
        interaction_.message(options_messages::srwsNotConfigured());
    } else if (enumSQLServers_) {
        enumSQLServers_();
    }
}

}  // namespace sentrel
