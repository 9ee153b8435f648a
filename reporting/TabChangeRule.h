#pragma once

#include <functional>

#include "reporting/SetupWizardFlags.h"
#include "shell/Interaction.h"

namespace sentrel {

// What happens when the user selects another tab of the Preferences and Options dialog.
//
// While the Setup Wizard runs, the user stays on the tab the wizard opened: leaving it shows
// "Please finish with Setup Wizard" and answers that tab, which the dialog selects again
// without coming back here. Otherwise the selected tab is remembered as the tab to open next
// time, and entering Reports Database lists the database servers when the reports service
// runs on this server, and otherwise says that the tab does not apply.
class TabChangeRule {
  public:
    TabChangeRule(Interaction& interaction, SetupWizardFlags& flags)
        : interaction_(interaction), flags_(flags) {}

    // Lists the database servers (filled in with the reporting tabs).
    void setEnumSQLServers(std::function<void()> enumerate) {
        enumSQLServers_ = std::move(enumerate);
    }

    // `selected` was just selected; answers the tab to show.
    int tabSelected(int selected, bool useThisMachine);
    // The dialog opens on `tab`: entering it has the same effects as selecting it.
    void tabEntered(int tab, bool useThisMachine);

  private:
    Interaction& interaction_;
    SetupWizardFlags& flags_;
    std::function<void()> enumSQLServers_;
};

}  // namespace sentrel
