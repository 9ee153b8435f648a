#pragma once

#include <QString>
#include <optional>

namespace sentrel::app {

// The options that decide the first file to open.
struct StartupOptions {
    bool autoload = false;
    QString autoloadBDF;
};

// What the start-up routine drives: the key store, the windows, the options and the first
// file. The program implements it with real windows; tests with a recording fake.
class StartupHost {
  public:
    virtual ~StartupHost() = default;

    // The key store's "basedir" value: "-1" when the key cannot be opened.
    virtual QString readBaseDirectory() = 0;
    virtual void setApplicationTitle(const QString& title) = 0;
    virtual void showSplash() = 0;
    virtual void createMainWindow() = 0;
    // Where the help pages are (base directory + "/docs/help").
    virtual void setHelpFile(const QString& path) = 0;
    // Restores the placement, rebuilds the recent-file tools, clears the first status panel.
    virtual void loadMainWindow(const QString& baseDirectory) = 0;
    // Shows the main window and lets it paint.
    virtual void showMainWindow() = 0;
    virtual void unloadSplash() = 0;
    // Loads the option store.
    virtual StartupOptions loadOptions(const QString& baseDirectory) = 0;
    // True on the first run after installation.
    virtual bool isFirstRun() = 0;
    // Runs the Setup Wizard: whether the user wants the main definitions opened now;
    // nullopt when there is no wizard to run.
    virtual std::optional<bool> runSetupWizard() = 0;
    // Opens the first definition file; `busy` shows the busy pointer meanwhile.
    virtual void openFile(const QString& path, bool busy) = 0;
};

}  // namespace sentrel::app
