#include "editor/frmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QTreeWidget>
#include <QWindowStateChangeEvent>

#include "editor/CommandBarView.h"
#include "editor/MenuState.h"
#include "editor/SplitterHandle.h"
#include "editor/UnloadSequence.h"

namespace sentrel::editor {

namespace {

using commands::Pane;

constexpr int kStatusInterval = 20000;

struct PaneInfo {
    const char* name;
    const char* label;
    const char* caption;
    const char* columns;  // a list's column titles, "|" between them; empty for a tree
};

// In the order of the Pane values after None.
const PaneInfo kPanes[4] = {{"tvTreeView", "lblTitle0", "Defined browsers:", ""},
                            {"lvListView", "lblTitle1", "Browser properties:", "Property|Value"},
                            {"tvFilterTree", "filterLabel", "Defined filters:", ""},
                            {"lvFilterList", "settingsLabel", "Filter settings:",
                             "Property|Condition|Value to set|Priority|Type|Data field"}};

int indexOf(Pane pane) {
    return static_cast<int>(pane) - 1;
}

std::unique_ptr<QSettings> userSettings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Sentrel"), QStringLiteral("Sentrel"));
}

QWidget* placeholderPane(const PaneInfo& pane, QWidget* parent) {
    auto* view = new QTreeWidget(parent);
    view->setObjectName(QString::fromUtf8(pane.name));
    const QString columns = QString::fromUtf8(pane.columns);
    const bool tree = columns.isEmpty();
    view->setHeaderHidden(tree);
    view->setRootIsDecorated(tree);
    if (!tree) view->setHeaderLabels(columns.split(QLatin1Char('|')));
    return view;
}

}  // namespace

frmMain::frmMain(Interaction& interaction, QWidget* parent)
    : QMainWindow(parent),
      interaction_(interaction),
      dispatcher_(interaction, QApplication::applicationName()),
      settings_(userSettings) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QApplication::applicationName());
    if (QScreen* s = screen()) scale_ = TwipScale(s->logicalDotsPerInchX());
    commands::populate(commands_);
    view_ = new CommandBarView(commands_, *this);
    connect(view_, &CommandBarView::triggered, this,
            [this](const QString& tool) { dispatcher_.dispatch(tool); });
    connect(view_, &CommandBarView::quickFindSelected, this, [this](const QString& text) {
        if (hooks_.quickFind) hooks_.quickFind(text);
    });
    dispatcher_.setCaptionLookup([this](const QString& tool) {
        const CommandTool* t = commands_.tool(tool);
        return t ? t->caption : QString();
    });
    buildPanes();
    buildStatusBar();
    registerOwnCommands();
    // No file is open yet: the commands that need one start disabled, as after a close.
    SetMenuState(false);
    setMinimumWidth(scale_.toPixels(placement::kMinimumWidth));
    statusTimer_.setInterval(kStatusInterval);
    connect(&statusTimer_, &QTimer::timeout, this, &frmMain::setStatusNextBDFDownload);
    resize(scale_.toPixels(QRect(0, 0, 9600, 7200)).size());
}

frmMain::~frmMain() = default;

void frmMain::buildPanes() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    frmWhiteBorder_ = new QWidget(client_);
    frmWhiteBorder_->setObjectName(QStringLiteral("frmWhiteBorder"));
    for (int i = 0; i < 4; ++i) {
        labels_[i] = new QLabel(QString::fromUtf8(kPanes[i].caption), client_);
        labels_[i]->setObjectName(QString::fromUtf8(kPanes[i].label));
        setPane(static_cast<Pane>(i + 1), placeholderPane(kPanes[i], client_));
    }
    buildSplitters();
    client_->installEventFilter(this);
}

// Dragging a splitter moves a bar within the drag limits; letting go lays the panes out.
void frmMain::buildSplitters() {
    imgSplitter_ = new SplitterHandle(Qt::Vertical, client_);
    imgSplitter_->setObjectName(QStringLiteral("imgSplitter"));
    imgSplitFilter_ = new SplitterHandle(Qt::Vertical, client_);
    imgSplitFilter_->setObjectName(QStringLiteral("imgSplitFilter"));
    horizontalBar_ = new SplitterHandle(Qt::Horizontal, client_);
    horizontalBar_->setObjectName(QStringLiteral("horizontalBar"));
    const auto verticalClamp = [this](int px) {
        return scale_.toPixels(layout_.clampVerticalDrag(scale_.toTwips(px)));
    };
    imgSplitter_->setClamp(verticalClamp);
    imgSplitFilter_->setClamp(verticalClamp);
    horizontalBar_->setClamp([this](int px) {
        return scale_.toPixels(layout_.clampHorizontalDrag(scale_.toTwips(px)));
    });
    connect(imgSplitter_, &SplitterHandle::released, this,
            [this](int px) { SizeControls(scale_.toTwips(px)); });
    connect(imgSplitFilter_, &SplitterHandle::released, this,
            [this](int px) { SizeControlsFilters(scale_.toTwips(px)); });
    connect(horizontalBar_, &SplitterHandle::released, this,
            [this](int px) { setHorizontal(scale_.toTwips(px)); });
}

void frmMain::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setSizeGripEnabled(true);
    for (const StatusPanels::Panel& panel : status_.panels()) {
        auto* label = new QLabel(panel.text, bar);
        label->setObjectName(panel.key);
        label->setToolTip(panel.tooltip);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12);
        const bool first = panel.key == status_.panels().front().key;
        if (first)
            bar->addWidget(label, 1);
        else
            bar->addPermanentWidget(label);
    }
    connect(&status_, &StatusPanels::panelChanged, this, [this](const QString& key) {
        if (auto* label = statusBar()->findChild<QLabel*>(key)) {
            label->setText(status_.text(key));
            label->setEnabled(status_.isEnabled(key));
        }
    });
}

void frmMain::registerOwnCommands() {
    dispatcher_.registerOperation(QStringLiteral("miFileExit"), [this] { close(); });
    dispatcher_.registerOperation(QStringLiteral("miHelpAbout"), [this] { showSplash(); });
    // Upload and the hidden Updates tools do nothing in this program.
    for (const char* tool :
         {"miSpecialUpload", "miOptionsUploadDefinitions", "miOptionsDownloadDefinitions"})
        dispatcher_.registerOperation(QString::fromLatin1(tool), [] {});
    auto* deleteKey = new QShortcut(QKeySequence::Delete, this);
    deleteKey->setContext(Qt::WindowShortcut);
    connect(deleteKey, &QShortcut::activated, this, &frmMain::deleteInFocusedPane);
}

QWidget* frmMain::pane(Pane which) const {
    return which == Pane::None ? nullptr : panes_[indexOf(which)];
}

QLabel* frmMain::titleLabel(Pane which) const {
    return which == Pane::None ? nullptr : labels_[indexOf(which)];
}

void frmMain::setPane(Pane which, QWidget* widget) {
    if (which == Pane::None || !widget) return;
    QWidget*& slot = panes_[indexOf(which)];
    if (slot && slot != widget) slot->deleteLater();
    slot = widget;
    widget->setParent(client_);
    widget->setObjectName(QString::fromUtf8(kPanes[indexOf(which)].name));
    widget->show();
    applyLayout();
}

Pane frmMain::focusedPane() const {
    const QWidget* focus = QApplication::focusWidget();
    for (int i = 0; i < 4; ++i)
        if (focus && panes_[i] && (focus == panes_[i] || panes_[i]->isAncestorOf(focus)))
            return static_cast<Pane>(i + 1);
    return Pane::None;
}

void frmMain::deleteInFocusedPane() {
    const QString tool = commands::deleteToolFor(focusedPane());
    if (!tool.isEmpty() && commands_.isEnabled(tool)) dispatcher_.dispatch(tool);
}

QRect frmMain::screenTwips() const {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? scale_.toTwips(s->availableGeometry()) : QRect(0, 0, 19200, 14400);
}

void frmMain::loadWindow() {
    const WindowSettings settings = WindowSettings::load(*settings_());
    applySettings(settings);
    setStatusNextBDFDownload();
    statusTimer_.start();
}

void frmMain::applySettings(const WindowSettings& s) {
    pendingSplits_ = s;
    if (s.firstRun()) {
        setGeometry(scale_.toPixels(placement::firstRunGeometry(screenTwips())));
        return;
    }
    QRect geometry = scale_.toTwips(this->geometry());
    if (s.left) geometry.moveLeft(*s.left);
    if (s.top) geometry.moveTop(*s.top);
    geometry.setWidth(placement::clampWidth(s.width));
    if (s.height) geometry.setHeight(*s.height);
    setGeometry(scale_.toPixels(geometry));
    if (s.winState == WindowSettings::Maximised) {
        startedMaximised_ = true;
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

WindowSettings frmMain::currentSettings() const {
    WindowSettings s;
    const QRect g = scale_.toTwips(geometry());
    s.left = g.x();
    s.top = g.y();
    s.width = g.width();
    s.height = g.height();
    s.winState = isMaximized() ? WindowSettings::Maximised : WindowSettings::Normal;
    s.horizontal = layout_.horizontal();
    s.splitBrowser = layout_.splitBrowser();
    s.splitFilter = layout_.splitFilter();
    return s;
}

void frmMain::storeWindowSettings() {
    currentSettings().save(*settings_());
}

void frmMain::applyLayout() {
    if (!client_ || !imgSplitter_) return;
    layout_.setClientSize(scale_.toTwips(client_->width()), scale_.toTwips(client_->height()));
    const PaneLayout::Geometry& g = layout_.geometry();
    const PaneLayout::Half* halves[2] = {&g.upper, &g.lower};
    for (int h = 0; h < 2; ++h) {
        labels_[2 * h]->setGeometry(scale_.toPixels(halves[h]->leftLabel));
        labels_[2 * h + 1]->setGeometry(scale_.toPixels(halves[h]->rightLabel));
        if (panes_[2 * h]) panes_[2 * h]->setGeometry(scale_.toPixels(halves[h]->leftPane));
        if (panes_[2 * h + 1])
            panes_[2 * h + 1]->setGeometry(scale_.toPixels(halves[h]->rightPane));
    }
    imgSplitter_->setGeometry(scale_.toPixels(g.upper.splitter));
    imgSplitFilter_->setGeometry(scale_.toPixels(g.lower.splitter));
    horizontalBar_->setGeometry(scale_.toPixels(g.horizontalBar));
    frmWhiteBorder_->setGeometry(scale_.toPixels(g.whiteBorder));
}

void frmMain::SizeControls(int xTwips) {
    if (isMinimized()) return;
    layout_.SizeControls(xTwips);
    applyLayout();
}

void frmMain::SizeControlsFilters(int xTwips) {
    if (isMinimized()) return;
    layout_.SizeControlsFilters(xTwips);
    applyLayout();
}

void frmMain::setHorizontal(int topTwips) {
    layout_.setHorizontal(topTwips);
    applyLayout();
}

void frmMain::OpenFile(const QString& path) {
    if (hooks_.openFile) hooks_.openFile(path);
}

bool frmMain::CloseFile(bool first, bool second) {
    return hooks_.closeFile ? hooks_.closeFile(first, second) : true;
}

void frmMain::ResetMenuLRU() {
    if (hooks_.resetRecentFiles) hooks_.resetRecentFiles();
}

void frmMain::setStatusNextBDFDownload() {
    const NextCheckStatus next =
        NextCheckStatus::fromStored(hooks_.readNextCheck ? hooks_.readNextCheck() : QString());
    status_.setText(QStringLiteral("Download"), next.text);
    status_.setEnabled(QStringLiteral("Download"), next.enabled);
}

void frmMain::showSplash() {
    if (hooks_.showAbout) hooks_.showAbout();
}

void frmMain::SetMenuState(bool enabled) {
    editor::SetMenuState(commands_, enabled);
}

void frmMain::showPopup(const QString& band, const QPoint& globalPos) {
    if (QMenu* menu = view_->menu(band)) menu->popup(globalPos);
}

void frmMain::unloadOtherWindows() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        if (*it != this && (*it)->isVisible()) (*it)->close();
}

void frmMain::closeEvent(QCloseEvent* event) {
    UnloadSteps steps;
    steps.closeFile = [this] { return CloseFile(false, false); };
    steps.launchWaitInProgress = [this] { return launchWaitInProgress_; };
    steps.removeRecentFileTools = hooks_.removeRecentFiles;
    steps.unloadOtherWindows = [this] { unloadOtherWindows(); };
    steps.isMinimised = [this] { return isMinimized(); };
    steps.storeWindowSettings = [this] { storeWindowSettings(); };
    steps.releaseHitTester = hooks_.releaseHitTester;
    steps.releaseInternalData = hooks_.releaseInternalData;
    steps.releaseOpenDocument = hooks_.releaseOpenDocument;
    if (!runUnload(steps)) {
        event->ignore();
        return;
    }
    statusTimer_.stop();
    event->accept();
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const int minimum = scale_.toPixels(placement::kMinimumWidth);
    if (!isMaximized() && !isMinimized() && width() < minimum) resize(minimum, height());
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    applyLayout();
    applyPendingSplits();
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    const bool wasMaximised = change->oldState() & Qt::WindowMaximized;
    if (!wasMaximised || !startedMaximised_ || windowState() != Qt::WindowNoState) return;
    startedMaximised_ = false;
    // Applied once the restore itself is done, so the platform does not undo it.
    QTimer::singleShot(0, this, [this] {
        setGeometry(scale_.toPixels(placement::restoredFromMaximised(screenTwips())));
    });
}

// The splitters are placed once the client area has its real size (when the window is
// shown): their limits depend on it.
void frmMain::applyPendingSplits() {
    if (!pendingSplits_) return;
    const WindowSettings s = *pendingSplits_;
    pendingSplits_.reset();
    if (s.firstRun()) {
        setHorizontal(placement::firstRunHorizontal(layout_.height()));
        SizeControls(placement::firstRunSplit(layout_.width()));
        SizeControlsFilters(placement::firstRunSplit(layout_.width()));
        return;
    }
    if (s.horizontal) setHorizontal(*s.horizontal);
    if (s.splitBrowser) SizeControls(*s.splitBrowser);
    if (s.splitFilter) SizeControlsFilters(*s.splitFilter);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) applyLayout();
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace sentrel::editor
