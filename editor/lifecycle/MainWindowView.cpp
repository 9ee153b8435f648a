#include "editor/lifecycle/MainWindowView.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>

#include "editor/CommandTable.h"
#include "editor/frmMain.h"

namespace sentrel::lifecycle {

namespace {

const QString kFileBand = QStringLiteral("File");
const QString kExit = QStringLiteral("miFileExit");

}  // namespace

MainWindowView::MainWindowView(editor::frmMain& window) : window_(window) {}

MainWindowView::~MainWindowView() {
    while (busyDepth_ > 0) setBusy(false);
    delete standBy_;
}

void MainWindowView::setWindowTitle(const QString& title) {
    window_.setWindowTitle(title);
}

QString MainWindowView::windowTitle() const {
    return window_.windowTitle();
}

void MainWindowView::setStatusText(const QString& key, const QString& text) {
    window_.statusPanels().setText(key, text);
    if (key == QLatin1String("Status")) window_.statusBar()->repaint();
}

void MainWindowView::setMenuState(bool enabled) {
    window_.SetMenuState(enabled);
}

void MainWindowView::setCommandEnabled(const QString& tool, bool enabled) {
    window_.commandBar().setEnabled(tool, enabled);
}

void MainWindowView::setPropertyListTitle(const QString& caption) {
    if (QLabel* label = window_.titleLabel(editor::commands::Pane::PropertyList))
        label->setText(caption);
}

void MainWindowView::clearViews() {
    if (hooks_.clearViews) hooks_.clearViews();
}

void MainWindowView::buildViews(doc::Document& document, const QStringList& deletedTypes,
                                QString& lastEntry) {
    if (hooks_.buildViews) hooks_.buildViews(document, deletedTypes, lastEntry);
}

QString MainWindowView::selectedTypeName() const {
    return hooks_.selectedTypeName ? hooks_.selectedTypeName() : QString();
}

void MainWindowView::showType(const QString& name) {
    if (hooks_.showType) hooks_.showType(name);
}

void MainWindowView::setBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busyDepth_;
    } else if (busyDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyDepth_;
    }
}

void MainWindowView::showWaitWindow(const QString& message) {
    if (!standBy_) standBy_ = new frmStandBy(&window_);
    standBy_->setMessage(message);
    window_.setEnabled(false);
    standBy_->setEnabled(true);
    standBy_->show();
    standBy_->raise();
    processEvents();
}

void MainWindowView::hideWaitWindow() {
    if (standBy_) standBy_->hide();
    window_.setEnabled(true);
}

void MainWindowView::processEvents() {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindowView::removeRecentFileTools() {
    editor::CommandBar& bar = window_.commandBar();
    const editor::CommandBand* band = bar.band(kFileBand);
    if (!band) return;
    for (const QString& tool : band->toolNames())
        if (editor::commands::isRecentFileTool(tool)) bar.removeTool(kFileBand, tool);
}

// The entries stand just above "E&xit", the first one starting a group.
void MainWindowView::setRecentFileEntries(const QStringList& captions) {
    removeRecentFileTools();
    editor::CommandBar& bar = window_.commandBar();
    const editor::CommandBand* band = bar.band(kFileBand);
    if (!band) return;
    const int exitAt = band->indexOf(kExit) < 0 ? band->entries.size() : band->indexOf(kExit);
    for (int k = 1; k <= captions.size(); ++k) {
        editor::CommandTool tool;
        tool.name = QStringLiteral("miFile") + QString::number(k);
        tool.caption = captions[k - 1];
        tool.id = editor::commands::kRecentFileIdBase + k;
        bar.insertTool(kFileBand, exitAt + k - 1, tool, k == 1);
    }
}

void MainWindowView::unloadHitTester() {
    if (hooks_.unloadHitTester) hooks_.unloadHitTester();
}

}  // namespace sentrel::lifecycle
