#include "editor/lifecycle/MainWindowLifecycle.h"

#include "editor/frmMain.h"
#include "editor/lifecycle/frmMergeReport.h"
#include "reporting/OptionStore.h"

namespace sentrel::lifecycle {

MainWindowLifecycle::MainWindowLifecycle(Interaction& interaction, editor::frmMain& window,
                                         RecentFiles::ListSource recentList)
    : view_(window),
      lifecycle_(interaction, view_, std::move(recentList)),
      exportStatus_(view_),
      exporter_(interaction, exportStatus_),
      merge_(interaction, lifecycle_, view_,
             [&interaction, &window](const doc::ReplayReport& r) {
                 auto* report = new frmMergeReport(interaction, r.text(), &window);
                 report->show();
             }),
      undo_(window, lifecycle_.history().stack()) {
    exporter_.setFilterSort([this] { lifecycle_.sortFilters(); });
    lifecycle_.services().exportFile = [this](const QString& target, bool showProgress) {
        return exportFile(target, showProgress);
    };
    registerCommands(window);
    connectHooks(window);
}

void MainWindowLifecycle::setBaseDirectory(const QString& baseDirectory) {
    lifecycle_.setBaseDirectory(baseDirectory);
}

void MainWindowLifecycle::registerCommands(editor::frmMain& window) {
    editor::CommandDispatcher& dispatcher = window.dispatcher();
    FileLifecycle& life = lifecycle_;
    dispatcher.registerOperation(QStringLiteral("miFileNew"), [&life] { life.NewFile(); });
    dispatcher.registerOperation(QStringLiteral("miFileOpen"), [&life] { life.OpenFile({}); });
    dispatcher.registerOperation(QStringLiteral("miFileClose"), [&life] { life.CloseFile(); });
    dispatcher.registerOperation(QStringLiteral("miFileSave"), [&life] { life.SaveFile(); });
    dispatcher.registerOperation(QStringLiteral("miFileSaveAs"), [&life] { life.SaveFileAs(); });
    dispatcher.registerOperation(QStringLiteral("miFileCompact"), [&life] { life.CompactFile(); });
    if (!dispatcher.hasOperation(QStringLiteral("miFileExport"))) {
        dispatcher.registerOperation(QStringLiteral("miFileExport"),
                                     [this] { exportFile(QString(), true); });
    }
    dispatcher.registerOperation(QStringLiteral("miSpecialMerge"), [this] { merge_.run(); });
    dispatcher.registerRecentFile([&life](const QString& path) { life.OpenFile(path); });
}

void MainWindowLifecycle::connectHooks(editor::frmMain& window) {
    editor::frmMain::Hooks& hooks = window.hooks();
    FileLifecycle& life = lifecycle_;
    hooks.openFile = [&life](const QString& path) { life.OpenFile(path); };
    hooks.closeFile = [&life](bool keepDisplay, bool keepTemporaryMerge) {
        return life.CloseFile(keepDisplay, keepTemporaryMerge);
    };
    hooks.resetRecentFiles = [&life] { life.recentFiles().ResetMenuLRU(); };
    hooks.removeRecentFiles = [&life] { life.recentFiles().removeAllLRUs(); };
    hooks.releaseOpenDocument = [&life] { life.state().releaseDocument(); };
}

// The numbers come from the version fields of the options (which the user may have
// edited), the date from the document.
exporting::BddVersion MainWindowLifecycle::versionToExport() {
    doc::Document& document = *lifecycle_.state().document();
    exporting::BddVersion version = exporting::BddVersion::of(document);
    if (options_ && options_->version.enabled()) {
        version.major = options_->version.major().value_or(version.major);
        version.minor = options_->version.minor().value_or(version.minor);
    }
    return version;
}

bool MainWindowLifecycle::exportFile(const QString& target, bool showProgress) {
    if (!lifecycle_.state().hasDocument()) return false;
    return exporter_.ExportFile(*lifecycle_.state().document(), versionToExport(), target,
                                showProgress);
}

}  // namespace sentrel::lifecycle
