#pragma once

namespace sentrel {

// The flags the Setup Wizard shares with the Preferences and Options dialog. One instance
// lives for the whole program run; the wizard sets them, the dialog reads them.
struct SetupWizardFlags {
    // Set while the wizard runs: the dialog then keeps the user on `optionsTab`.
    bool wizardRunning = false;
    // The tab the options dialog opens on; the dialog stores the last tab used back here.
    int optionsTab = 0;
    // Set during the wizard's reporting step.
    bool reportingStepRunning = false;
    // The user declined the reporting set-up: OK in the options dialog then skips its
    // reporting checks for the rest of the run.
    bool reportingDeclined = false;
};

}  // namespace sentrel
