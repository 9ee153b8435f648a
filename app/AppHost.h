#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "app/FirstRunMarker.h"
#include "app/StartupHost.h"
#include "app/wizard/SetupWizard.h"
#include "editor/frmMain.h"
#include "editor/lifecycle/ExternalCommands.h"
#include "editor/lifecycle/MainWindowLifecycle.h"
#include "editor/views/MainWindowViews.h"
#include "export/MainWindowHitTester.h"
#include "registry/mdlRegistry.h"
#include "reporting/OptionStore.h"
#include "reporting/PreferencesDialog.h"
#include "reporting/SetupWizardFlags.h"
#include "shell/ExternalPrograms.h"
#include "shell/QtDesktop.h"
#include "shell/frmSplash.h"

namespace sentrel::app {

class InternalData;

// The start-up host of the real program: the key store, the splash window, the main window
// and the option store.
class AppHost : public StartupHost {
  public:
    // `desktop` opens the help pages and starts other programs (default: the real desktop).
    AppHost(Interaction& interaction, reg::mdlRegistry& registry, InternalData& internalData,
            Desktop* desktop = nullptr);
    ~AppHost() override;

    // Replaces the Setup Wizard (tests): answers whether to open the main definitions.
    void setSetupWizard(std::function<bool()> wizard) { wizard_ = std::move(wizard); }
    // Without anybody at the screen there is nobody to answer the wizard: the first run then
    // opens files as any other run does, and stays the first run.
    void setWizardEnabled(bool enabled) { wizardEnabled_ = enabled; }
    // What the Setup Wizard uses of the program; tests move the elevation test file.
    wizard::SetupWizardHost& wizardHost() { return wizardHost_; }

    editor::frmMain* mainWindow() const { return main_.get(); }
    OptionStore* options() const { return options_.get(); }
    // The Preferences and Options dialog over the option store, and the Setup Wizard's flags.
    PreferencesDialog* preferences() const { return preferences_.get(); }
    SetupWizardFlags& wizardFlags() { return wizardFlags_; }
    const QString& helpFile() const { return helpFile_; }
    // The help pages, the download manager, what's new and the support page.
    ExternalPrograms& programs() { return programs_; }
    // The Special and Help commands that reach outside; exists once the main window does.
    lifecycle::ExternalCommands* externalCommands() const { return external_.get(); }
    // Releases the internal data document if the main window's unload has not (the program
    // was ended another way); failures are reported.
    void releaseInternalDataAtExit();

    QString readBaseDirectory() override;
    void setApplicationTitle(const QString& title) override;
    void showSplash() override;
    void createMainWindow() override;
    void setHelpFile(const QString& path) override { helpFile_ = path; }
    void loadMainWindow(const QString& baseDirectory) override;
    void showMainWindow() override;
    void unloadSplash() override;
    StartupOptions loadOptions(const QString& baseDirectory) override;
    bool isFirstRun() override;
    std::optional<bool> runSetupWizard() override;
    void openFile(const QString& path, bool busy) override;

  private:
    void releaseInternalData();
    void createPreferences();
    void joinFileAndViews();
    void joinSetupWizard();
    bool runWizard();
    void endProgram();

    Interaction& interaction_;
    reg::mdlRegistry& registry_;
    InternalData& internalData_;
    FirstRunMarker firstRun_;
    QtDesktop realDesktop_;
    ExternalPrograms programs_;
    std::function<bool()> wizard_;
    wizard::SetupWizardHost wizardHost_;
    bool wizardEnabled_ = true;
    QString helpFile_;
    std::unique_ptr<frmSplash> splash_;
    std::unique_ptr<editor::frmMain> main_;
    std::unique_ptr<OptionStore> options_;
    // The file lifecycle and the views in the main window; released before the window.
    std::unique_ptr<lifecycle::MainWindowLifecycle> fileWindow_;
    std::unique_ptr<views::MainWindowViews> views_;
    std::unique_ptr<exporting::MainWindowHitTester> hitTester_;  // the Hit tester command (F5)
    std::unique_ptr<lifecycle::ExternalCommands> external_;
    SetupWizardFlags wizardFlags_;
    std::unique_ptr<PreferencesDialog> preferences_;
};

}  // namespace sentrel::app
