#include "export/MainWindowHitTester.h"

#include "editor/frmMain.h"
#include "editor/lifecycle/MainWindowLifecycle.h"
#include "editor/views/BrowserViews.h"
#include "export/HitTester.h"
#include "export/TestForm.h"
#include "shell/BesidePlacement.h"

#include <QScreen>

namespace sentrel::exporting {

MainWindowHitTester::MainWindowHitTester(Interaction& interaction, editor::frmMain& window,
                                         lifecycle::MainWindowLifecycle& lifecycle)
    : interaction_(interaction), mainWindow_(window), lifecycle_(lifecycle) {
    connectWindow();
}

MainWindowHitTester::~MainWindowHitTester() {
    unloadWindow();
    mainWindow_.dispatcher().registerOperation(QStringLiteral("miViewHitTest"), [] {});
    lifecycle_.view().hooks().unloadHitTester = {};
    mainWindow_.hooks().releaseHitTester = {};
}

void MainWindowHitTester::connectWindow() {
    mainWindow_.dispatcher().registerOperation(QStringLiteral("miViewHitTest"), [this] { show(); });
    lifecycle_.view().hooks().unloadHitTester = [this] { unloadWindow(); };
    mainWindow_.hooks().releaseHitTester = [this] {
        lifecycle_.lifecycle().state().detectionObject.reset();
        unloadWindow();
    };
}

void MainWindowHitTester::show() {
    if (tester_ && !form_) unloadWindow();  // the window went with its parent
    if (!tester_) {
        tester_ = std::make_unique<HitTester>(interaction_, *this);
        form_ = new TestForm(*tester_, &mainWindow_);
        placeBesideMainWindow();
        tester_->load();
    }
    form_->show();
    form_->raise();
    form_->activateWindow();
}

// The window opens wholly on the main window's screen, beside the main window where there is
// room, else over it. Its frame is taken to be as large as the main window's.
void MainWindowHitTester::placeBesideMainWindow() {
    const QScreen* screen = mainWindow_.screen();
    if (!screen) return;
    const QSize frame = mainWindow_.frameGeometry().size() - mainWindow_.size();
    const QRect outer = placeBeside(mainWindow_.frameGeometry(), form_->size() + frame,
                                    screen->availableGeometry());
    form_->resize(outer.size() - frame);
    form_->move(outer.topLeft());
}

void MainWindowHitTester::unloadWindow() {
    if (!tester_) return;
    if (form_) {
        form_->allowClose();
        delete form_;
    }
    tester_->unload();
    tester_.reset();
}

TestForm* MainWindowHitTester::window() const {
    return form_;
}

doc::Document* MainWindowHitTester::document() {
    return lifecycle_.lifecycle().state().document();
}

QString MainWindowHitTester::currentFile() const {
    return lifecycle_.lifecycle().state().currentFile;
}

QString MainWindowHitTester::baseDirectory() const {
    return lifecycle_.lifecycle().baseDirectory();
}

bool MainWindowHitTester::hasUnsavedChanges() const {
    return lifecycle_.lifecycle().state().unsavedChanges;
}

bool MainWindowHitTester::temporaryBddOutOfDate() const {
    return lifecycle_.lifecycle().state().testBddOutOfDate;
}

void MainWindowHitTester::setTemporaryBddOutOfDate(bool outOfDate) {
    lifecycle_.lifecycle().state().testBddOutOfDate = outOfDate;
}

void MainWindowHitTester::sortPendingFilters() {
    lifecycle_.lifecycle().sortFilters();
}

void MainWindowHitTester::exportTo(const QString& target) {
    lifecycle_.exportFile(target, false);
}

std::shared_ptr<void>& MainWindowHitTester::detectionObject() {
    return lifecycle_.lifecycle().state().detectionObject;
}

void MainWindowHitTester::showWaitWindow(const QString& message) {
    lifecycle_.view().showWaitWindow(message);
}

void MainWindowHitTester::hideWaitWindow() {
    lifecycle_.view().hideWaitWindow();
}

void MainWindowHitTester::processEvents() {
    lifecycle_.view().processEvents();
}

void MainWindowHitTester::setBusy(bool busy) {
    lifecycle_.view().setBusy(busy);
}

void MainWindowHitTester::setStatusText(const QString& text) {
    lifecycle_.view().setStatusText(QStringLiteral("Status"), text);
}

QString MainWindowHitTester::selectedTreeKey() const {
    return lifecycle_.view().selectedTypeName();
}

// Selecting the node makes the tree widget list its properties; they are listed here only
// when that did not happen (no tree widget).
void MainWindowHitTester::showTreeNode(const QString& key) {
    if (!views_) return;
    const QModelIndex index = views_->tree().indexOf(key);
    if (!index.isValid()) return;
    views_->treeSelection().clearSelection();
    views_->treeSelection().setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    emit views_->nodeMadeVisible(index);
    if (views_->shownKey().compare(key, Qt::CaseInsensitive) != 0) views_->refreshNode(key, false);
}

}  // namespace sentrel::exporting
