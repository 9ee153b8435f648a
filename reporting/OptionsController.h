#pragma once

#include <QString>
#include <optional>

#include "reporting/CacheRecommendation.h"
#include "reporting/OptionsHost.h"
#include "reporting/ReportingTabs.h"
#include "reporting/SetupWizardFlags.h"
#include "reporting/TabChangeRule.h"
#include "shell/Interaction.h"

namespace sentrel {

class OptionStore;

// The Preferences and Options dialog without its widgets: what the dialog does when it is
// shown, when a tab is selected, and when it is closed with OK, Cancel or Help. The dialog
// widget shows the option store and copies the user's edits into it before calling OK; the
// store stays the one copy of every option, so after OK or Cancel it is loaded again from
// the key store and mirrors it.
class OptionsController {
  public:
    // `options` must be loaded already (start-up does it).
    OptionsController(OptionStore& options, Interaction& interaction, SetupWizardFlags& wizard,
                      OptionsHost host = {});

    OptionStore& options() { return options_; }
    OptionsHost& host() { return host_; }
    ReportingFlags& reportingFlags() { return reportingTabs_.flags(); }
    ReportingTabs& reportingTabs() { return reportingTabs_; }
    SetupWizardFlags& wizardFlags() { return wizard_; }
    Interaction& interaction() { return interaction_; }

    // The reports service's URL and web directory as loaded, and the URL's virtual path.
    const QString& loadedUrl() const { return reportingTabs_.loadedUrl(); }
    const QString& loadedInstallPath() const { return reportingTabs_.loadedInstallPath(); }
    const QString& virtualPath() const { return reportingTabs_.virtualPath(); }

    // Loads every option from the key store and the version boxes from the open document
    // (emptied and disabled with no file open); clears the reporting flags.
    void reload();
    // The dialog is being shown: records the version shown for the change test at OK, runs
    // the effects of entering the tab to open on, and answers that tab.
    int activate();
    // The user selected a tab: answers the tab to show (see TabChangeRule).
    int tabSelected(int tab);

    struct OkResult {
        bool close = false;
        std::optional<int> showTab;  // a tab to select for the user to correct
    };
    // OK: the reporting checks (unless the user declined the reporting set-up), the editor's
    // options, the version into the open document, the other options, the web service copy.
    // When it answers close=false the dialog stays open with every edit. A failed check has
    // written nothing. A value the key store refused has been reported and every other value
    // written; the dialog stays open (closing would reload the store and lose the refused
    // edits), the web service is not copied, and OK again writes the values once more.
    OkResult ok();
    // After OK or Cancel closed the dialog: lets pending messages run and reloads.
    void closed();
    // Help for the tab shown.
    void help(int tab);

    // "Recommend my cache settings...": the settings to fill into the boxes, or nullopt.
    std::optional<CacheSettings> recommendCache();
    // "Important Notes...": the notes window, modally.
    void showCacheTips();

    static inline const QString kCacheTipsDialog = QStringLiteral("frmCacheTips");

  private:
    void loadVersion();
    bool versionBoxesValid();
    bool reportingChecksPass();
    void applyVersion();

    OptionStore& options_;
    Interaction& interaction_;
    SetupWizardFlags& wizard_;
    OptionsHost host_;
    ReportingTabs reportingTabs_;
    TabChangeRule tabs_;
};

}  // namespace sentrel
