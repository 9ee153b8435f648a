#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "editor/CommandBar.h"
#include "editor/CommandDispatcher.h"
#include "editor/CommandTable.h"
#include "editor/PaneLayout.h"
#include "editor/StatusPanels.h"
#include "editor/WindowPlacement.h"
#include "editor/WindowSettings.h"
#include "shell/Interaction.h"

class QLabel;
class QSettings;
class QTreeWidget;

namespace sentrel::editor {

class CommandBarView;
class SplitterHandle;

// The editor's main window: the browser tree and property list above, the filter tree and
// filter list below, three splitters, the command bar and the status bar. Commands go to
// the dispatcher, where the areas that implement them register their operations; the
// window's other duties that belong to those areas are reached through the hooks.
class frmMain : public QMainWindow {
    Q_OBJECT
  public:
    // Operations supplied by other areas; any left empty does nothing.
    struct Hooks {
        std::function<void(const QString& path)> openFile;  // empty path: ask for the file
        std::function<bool(bool, bool)> closeFile;          // false: the user chose Cancel
        std::function<void()> resetRecentFiles;             // rebuild the recent-file tools
        std::function<void()> removeRecentFiles;            // remove them from the File menu
        std::function<void()> releaseHitTester;
        std::function<void()> releaseInternalData;  // save, revoke, release
        std::function<void()> releaseOpenDocument;  // a document still held at unload
        std::function<QString()> readNextCheck;     // the stored "nextCheck" value
        std::function<void(const QString& text)> quickFind;
        std::function<void()> showAbout;  // the splash window as the About box
    };
    using SettingsFactory = std::function<std::unique_ptr<QSettings>()>;

    explicit frmMain(Interaction& interaction, QWidget* parent = nullptr);
    ~frmMain() override;

    Hooks& hooks() { return hooks_; }
    CommandBar& commandBar() { return commands_; }
    CommandDispatcher& dispatcher() { return dispatcher_; }
    StatusPanels& statusPanels() { return status_; }
    const PaneLayout& paneLayout() const { return layout_; }
    const TwipScale& twipScale() const { return scale_; }
    CommandBarView& commandBarView() { return *view_; }

    // Where the per-user window settings are read and written (default: the user's
    // "Sentrel" settings file).
    void setSettingsFactory(SettingsFactory factory) { settings_ = std::move(factory); }
    void setBaseDirectory(const QString& path) { baseDirectory_ = path; }
    const QString& baseDirectory() const { return baseDirectory_; }

    // Restores the placement, fills the "Download" panel and starts the status timer.
    void loadWindow();

    // The public operations of the window.
    void SizeControls(int xTwips);
    void SizeControlsFilters(int xTwips);
    void setHorizontal(int topTwips);
    void OpenFile(const QString& path);
    bool CloseFile(bool first, bool second);
    void ResetMenuLRU();
    void setStatusNextBDFDownload();
    void showSplash();
    void SetMenuState(bool enabled);
    // Shows a menu band ("Browsers", "Properties", "Filters") as a popup at `globalPos`.
    void showPopup(const QString& band, const QPoint& globalPos);

    // Set while a launched program is waited for; the window then refuses to close.
    void setLaunchWaitInProgress(bool waiting) { launchWaitInProgress_ = waiting; }
    bool startedMaximised() const { return startedMaximised_; }
    QTimer& statusTimer() { return statusTimer_; }

    // The panes and their title labels; the views replace the placeholder panes.
    QWidget* pane(commands::Pane which) const;
    void setPane(commands::Pane which, QWidget* widget);
    QLabel* titleLabel(commands::Pane which) const;
    commands::Pane focusedPane() const;

    // The screen area the placement rules use, in twips.
    QRect screenTwips() const;
    // The window's placement now, in twips, as it would be stored.
    WindowSettings currentSettings() const;
    void storeWindowSettings();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildPanes();
    void buildSplitters();
    void buildStatusBar();
    void registerOwnCommands();
    void applySettings(const WindowSettings& settings);
    void applyLayout();
    void applyPendingSplits();
    void onHorizontalReleased(int pixels);
    void deleteInFocusedPane();
    void unloadOtherWindows();

    Interaction& interaction_;
    Hooks hooks_;
    CommandBar commands_;
    CommandDispatcher dispatcher_;
    StatusPanels status_;
    PaneLayout layout_;
    TwipScale scale_;
    CommandBarView* view_ = nullptr;
    SettingsFactory settings_;
    QString baseDirectory_;
    QTimer statusTimer_;

    QWidget* client_ = nullptr;
    QWidget* panes_[4] = {};
    QLabel* labels_[4] = {};
    SplitterHandle* imgSplitter_ = nullptr;
    SplitterHandle* imgSplitFilter_ = nullptr;
    SplitterHandle* horizontalBar_ = nullptr;
    QWidget* frmWhiteBorder_ = nullptr;

    std::optional<WindowSettings> pendingSplits_;
    bool startedMaximised_ = false;
    bool launchWaitInProgress_ = false;
};

}  // namespace sentrel::editor
