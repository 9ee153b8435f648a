#pragma once

#include <QPointer>

#include "editor/lifecycle/FileLifecycle.h"
#include "editor/lifecycle/frmStandBy.h"
#include "shell/ExternalPrograms.h"

namespace sentrel::editor {
class frmMain;
}

namespace sentrel::lifecycle {

// The main window's commands that reach outside the editor: "Download latest definitions"
// (the open file is closed first), "What's New?", the help contents, the welcome page and
// the support page; and the launch-and-wait routine, during which the main window refuses
// to close.
class ExternalCommands {
  public:
    ExternalCommands(Interaction& interaction, editor::frmMain& window, FileLifecycle& file,
                     ExternalPrograms& programs);
    ~ExternalCommands();

    // Runs `program` and returns when it has ended, behind the wait window; the user can
    // go on using the windows, but the main window cannot be closed meanwhile.
    void runAndWait(const QString& program, const QString& message);
    // The wait window while it is shown; null otherwise.
    frmStandBy* waitWindow() const { return standBy_; }

    // "miSpecialDownload": with a file open, asks to close it first.
    void download();

  private:
    void registerCommands();
    void showWaitWindow(const QString& message);
    void hideWaitWindow();

    Interaction& interaction_;
    editor::frmMain& window_;
    FileLifecycle& file_;
    ExternalPrograms& programs_;
    QPointer<frmStandBy> standBy_;
};

}  // namespace sentrel::lifecycle
