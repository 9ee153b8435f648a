#pragma once

#include <QPointer>
#include <functional>

#include "reporting/OptionsController.h"
#include "reporting/frmOptions.h"

namespace sentrel {

// The Preferences and Options dialog of the running program: its controller over the
// option store and its widget, one instance reused for the whole run. The program fills in
// the host's hooks (open document, "Version" panel, modified mark, help) as the parts that
// provide them are joined in.
class PreferencesDialog {
  public:
    PreferencesDialog(OptionStore& options, Interaction& interaction, SetupWizardFlags& wizard,
                      QWidget* parent);
    ~PreferencesDialog();

    OptionsController& controller() { return controller_; }
    OptionsHost& host() { return controller_.host(); }
    frmOptions& dialog() { return *dialog_; }

    // Shows the dialog modally on the tab to open (the Setup Wizard sets it first).
    void showModal();
    // How the main window shows its selected browser again, forced (the browser views).
    void setRefreshSelected(std::function<void()> refresh) {
        refreshSelected_ = std::move(refresh);
    }
    // The main window's "&Preferences and options..." command: the dialog, then the selected
    // browser shown again when a display option changed while a file is open.
    void runCommand();

  private:
    OptionsController controller_;
    std::function<void()> refreshSelected_;
    // Owned here, or by its parent window when that goes first.
    QPointer<frmOptions> dialog_;
};

}  // namespace sentrel
