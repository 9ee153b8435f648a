#pragma once

#include "editor/UndoCommands.h"
#include "editor/lifecycle/FileLifecycle.h"
#include "editor/lifecycle/MainWindowView.h"
#include "editor/lifecycle/MergeCustomizations.h"
#include "editor/lifecycle/WindowExportStatus.h"
#include "export/BddExport.h"

namespace sentrel::editor {
class frmMain;
}

namespace sentrel::lifecycle {

// Joins the file lifecycle to the main window: the File commands (New, Open, Close, Save,
// Save As, Compact, Export, the recent-file entries), Special > Merge customizations (its
// report in a window of its own), the window's open, close and recent-file hooks, and the
// BDD export after a save.
class MainWindowLifecycle {
  public:
    MainWindowLifecycle(Interaction& interaction, editor::frmMain& window,
                        RecentFiles::ListSource recentList);

    FileLifecycle& lifecycle() { return lifecycle_; }
    MainWindowView& view() { return view_; }
    editor::UndoCommands& undoCommands() { return undo_; }

    void setBaseDirectory(const QString& baseDirectory);
    void setOptionStore(OptionStore* options) {
        options_ = options;
        lifecycle_.setOptionStore(options);
    }

    // Writes the BDD of the open document to `target` (empty: ask for it).
    bool exportFile(const QString& target, bool showProgress);

  private:
    void registerCommands(editor::frmMain& window);
    void connectHooks(editor::frmMain& window);
    exporting::BddVersion versionToExport();

    MainWindowView view_;
    FileLifecycle lifecycle_;
    WindowExportStatus exportStatus_;
    exporting::BddExport exporter_;
    MergeCustomizations merge_;
    editor::UndoCommands undo_;
    OptionStore* options_ = nullptr;
};

}  // namespace sentrel::lifecycle
