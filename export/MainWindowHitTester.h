#pragma once

#include <QPointer>
#include <memory>

#include "export/HitTesterHost.h"

namespace sentrel {
class Interaction;
}
namespace sentrel::editor {
class frmMain;
}
namespace sentrel::lifecycle {
class MainWindowLifecycle;
}
namespace sentrel::views {
class BrowserViews;
}

namespace sentrel::exporting {

class HitTester;
class TestForm;

// Joins the Hit Tester to the main window: the "&Hit tester..." command (F5) shows the
// tester window, loading it the first time; the window is unloaded (and temp.bdd deleted)
// when the open file closes and when the main window unloads, which also releases the
// detection object. The tester reaches the open file, the export, the wait window, the
// status bar and the browser tree through here.
class MainWindowHitTester : public HitTesterHost {
  public:
    MainWindowHitTester(Interaction& interaction, editor::frmMain& window,
                        lifecycle::MainWindowLifecycle& lifecycle);
    ~MainWindowHitTester() override;

    // The browser views, whose tree follows each match; without them the tree stays.
    void setBrowserViews(views::BrowserViews* views) { views_ = views; }

    // Shows the tester window modelessly, loading it first when it is not loaded.
    void show();
    // Unloads the tester window: its list and result are gone and temp.bdd is deleted.
    void unloadWindow();
    TestForm* window() const;
    HitTester* tester() const { return tester_.get(); }

    // HitTesterHost.
    doc::Document* document() override;
    QString currentFile() const override;
    QString baseDirectory() const override;
    bool hasUnsavedChanges() const override;
    bool temporaryBddOutOfDate() const override;
    void setTemporaryBddOutOfDate(bool outOfDate) override;
    void sortPendingFilters() override;
    void exportTo(const QString& target) override;
    std::shared_ptr<void>& detectionObject() override;
    void showWaitWindow(const QString& message) override;
    void hideWaitWindow() override;
    void processEvents() override;
    void setBusy(bool busy) override;
    void setStatusText(const QString& text) override;
    QString selectedTreeKey() const override;
    void showTreeNode(const QString& key) override;

  private:
    void placeBesideMainWindow();
    void connectWindow();

    Interaction& interaction_;
    editor::frmMain& mainWindow_;
    lifecycle::MainWindowLifecycle& lifecycle_;
    views::BrowserViews* views_ = nullptr;
    std::unique_ptr<HitTester> tester_;
    QPointer<TestForm> form_;  // a child window of the main window, which may delete it first
};

}  // namespace sentrel::exporting
