#pragma once

#include <QString>
#include <memory>

#include "document/Document.h"
#include "editor/frmMain.h"
#include "editor/lifecycle/MainWindowLifecycle.h"
#include "editor/views/MainWindowViews.h"
#include "shell/QtInteraction.h"

namespace sentrel::test {

// The main window of the programs for trying parts by hand: the file lifecycle, the views
// and the editing dialogs, for the definition file named first on the command line. The base
// directory (where temp.bdd goes) is the file's folder. Construct after the QApplication;
// join further parts to the members before calling exec().
class TryoutWindow {
  public:
    TryoutWindow(int argc, char** argv);
    ~TryoutWindow();

    // Shows the window, opens the file if one was named and runs the event loop.
    int exec();

    QtInteraction ui;
    editor::frmMain window;
    std::unique_ptr<doc::Document> internal;
    lifecycle::MainWindowLifecycle wiring;
    std::unique_ptr<views::MainWindowViews> mainViews;

  private:
    QString file_;
};

}  // namespace sentrel::test
