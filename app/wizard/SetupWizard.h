#pragma once

#include <QString>
#include <functional>

#include "reporting/SetupWizardFlags.h"
#include "shell/ExternalPrograms.h"
#include "shell/Interaction.h"

namespace sentrel {
class OptionStore;
namespace reg {
class mdlRegistry;
}
}  // namespace sentrel

namespace sentrel::app::wizard {

// What the wizard needs of the running program. Hooks left empty do nothing.
struct SetupWizardHost {
    // Runs a program and returns when it has ended, behind the wait window.
    std::function<void(const QString& program, const QString& waitText)> runAndWait;
    // Shows the Preferences and Options dialog modally on the flags' tab to open.
    std::function<void()> showOptionsDialog;
    // Closes the main window and ends the program.
    std::function<void()> endProgram;
    // The file written to find out whether the program runs with administrative rights:
    // one only root may create.
    QString elevationTestPath = QStringLiteral("/sentl_uac_checker.txt");
    // The command that starts the editor as root on the same key store and installation
    // folder; quoted in the elevation question.
    QString elevatedCommand;
};

// The Setup Wizard: a short run of questions that configures a new installation. It opens
// the product's keys to every account, checks for administrative rights, offers the
// download manager, performance caching and the reporting set-up, and finally asks whether
// to open the main definition file.
class SetupWizard {
  public:
    SetupWizard(Interaction& interaction, reg::mdlRegistry& registry, OptionStore& options,
                SetupWizardFlags& flags, ExternalPrograms& programs, SetupWizardHost host);

    // True when the user wants the main definition file opened now.
    bool run();

    // The options tabs the wizard opens.
    static constexpr int kCacheTab = 2;
    static constexpr int kReportingTab = 3;
    static constexpr int kDatabaseTab = 4;

  private:
    void openKeysToEveryone();
    // False when the user chose to end the program and start it again as root.
    bool checkElevation();
    bool runsElevated() const;
    void offerUpdates();
    void offerCaching();
    void reportingStep();
    void showOptions(int tab);
    bool ask(const MessageRequest& request);

    Interaction& interaction_;
    reg::mdlRegistry& registry_;
    OptionStore& options_;
    SetupWizardFlags& flags_;
    ExternalPrograms& programs_;
    SetupWizardHost host_;
};

}  // namespace sentrel::app::wizard
