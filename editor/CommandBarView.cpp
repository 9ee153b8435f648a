#include "editor/CommandBarView.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QToolBar>

#include "editor/CommandIcons.h"
#include "editor/CommandTable.h"

namespace sentrel::editor {

namespace {

// The desktop theme's icon, else our own.
QIcon iconOf(const QString& tool) {
    const QString name = commands::iconNameFor(tool);
    if (name.isEmpty()) return QIcon();
    return QIcon::fromTheme(name, QIcon(commands::fallbackIconPath(name)));
}

// "Save As (Ctrl+Shift+S)": the button text, else the caption without its access key and
// ellipsis, then the shortcut.
QString toolTipOf(const CommandTool& tool) {
    QString text = tool.buttonText;
    if (text.isEmpty()) {
        text = tool.caption;
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
            .remove(QLatin1Char('&'))
            .replace(QStringLiteral("\x01"), QStringLiteral("&"));
        if (text.endsWith(QStringLiteral("..."))) text.chop(3);
    }
    if (tool.shortcut.isEmpty()) return text;
    QStringList keys;
    for (const QKeySequence& key :
         QKeySequence::listFromString(tool.shortcut, QKeySequence::PortableText)) {
        keys << key.toString(QKeySequence::NativeText);
    }
    return text + QStringLiteral(" (") + keys.join(QStringLiteral(", ")) + QLatin1Char(')');
}

}  // namespace

CommandBarView::CommandBarView(CommandBar& model, QMainWindow& window)
    : QObject(&window), model_(model), window_(window) {
    buildMenuBar();
    for (const CommandBand& band : model_.bands())
        if (band.kind == CommandBand::Kind::Toolbar) rebuildBand(band.name);
    connect(&model_, &CommandBar::toolChanged, this, &CommandBarView::updateAction);
    connect(&model_, &CommandBar::bandChanged, this, &CommandBarView::rebuildBand);
    connect(&model_, &CommandBar::quickFindChanged, this, &CommandBarView::updateQuickFind);
    window_.installEventFilter(this);
}

// The toolbars are fitted once the window's own layout has settled: at the resize event
// itself the buttons of a window being shown may not have their final sizes yet.
bool CommandBarView::eventFilter(QObject* watched, QEvent* event) {
    const bool sized = event->type() == QEvent::Resize || event->type() == QEvent::Show;
    if (watched == &window_ && sized && !fitPending_) {
        fitPending_ = true;
        QMetaObject::invokeMethod(this, &CommandBarView::fitToolBars, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

// Buttons show their text beside the icon where the window is wide enough, under it where
// that fits, and the icon alone (with its tool tip) on a narrow window.
void CommandBarView::fitToolBars() {
    fitPending_ = false;
    const int room = window_.width();
    for (QToolBar* bar : std::as_const(toolBars_)) {
        for (const Qt::ToolButtonStyle style :
             {Qt::ToolButtonTextBesideIcon, Qt::ToolButtonTextUnderIcon, Qt::ToolButtonIconOnly}) {
            bar->setToolButtonStyle(style);
            if (bar->sizeHint().width() <= room) break;
        }
    }
}

QAction* CommandBarView::actionFor(const QString& tool) {
    if (QAction* existing = actions_.value(tool)) return existing;
    auto* action = new QAction(&window_);
    action->setObjectName(tool);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setIcon(iconOf(tool));
    connect(action, &QAction::triggered, this, [this, tool] { emit triggered(tool); });
    window_.addAction(action);  // shortcuts work while the menus are closed
    actions_.insert(tool, action);
    updateAction(tool);
    return action;
}

void CommandBarView::updateAction(const QString& tool) {
    QAction* action = actions_.value(tool);
    const CommandTool* model = model_.tool(tool);
    if (!action || !model) return;
    action->setText(model->caption);
    if (!model->buttonText.isEmpty()) action->setIconText(model->buttonText);
    action->setEnabled(model->enabled);
    action->setVisible(model->visible);
    // Several shortcuts are separated by "; " ("Ctrl+Shift+Z; Ctrl+Y").
    action->setShortcuts(QKeySequence::listFromString(model->shortcut, QKeySequence::PortableText));
    action->setToolTip(toolTipOf(*model));
}

void CommandBarView::buildMenuBar() {
    QMenuBar* bar = window_.menuBar();
    for (const CommandBand* band : model_.menuBands()) {
        QMenu* menu = bar->addMenu(band->caption);
        menu->setObjectName(band->name);
        menus_.insert(band->name, menu);
        fillMenu(*menu, *band);
    }
}

void CommandBarView::rebuildBand(const QString& name) {
    const CommandBand* band = model_.band(name);
    if (!band) return;
    if (QMenu* menu = menus_.value(name)) {
        menu->clear();
        fillMenu(*menu, *band);
    } else if (band->kind == CommandBand::Kind::Toolbar) {
        QToolBar* bar = toolBars_.value(name);
        if (!bar) {
            // The quick-find band gets a row of its own, so the box is never squeezed.
            if (!toolBars_.isEmpty()) window_.addToolBarBreak();
            bar = window_.addToolBar(band->caption);
            bar->setObjectName(name);
            toolBars_.insert(name, bar);
        }
        bar->clear();
        fillToolBar(*bar, *band);
        fitToolBars();
    }
    // A removed tool's action goes with it.
    for (const QString& tool : actions_.keys()) {
        if (model_.hasTool(tool)) continue;
        delete actions_.take(tool);
    }
}

void CommandBarView::fillMenu(QMenu& menu, const CommandBand& band) {
    for (const CommandBand::Entry& entry : band.entries) {
        if (entry.beginGroup && !menu.isEmpty()) menu.addSeparator();
        menu.addAction(actionFor(entry.tool));
    }
}

void CommandBarView::fillToolBar(QToolBar& bar, const CommandBand& band) {
    for (const CommandBand::Entry& entry : band.entries) {
        if (entry.beginGroup && !bar.actions().isEmpty()) bar.addSeparator();
        if (entry.tool == commands::kQuickFind)
            buildQuickFind(bar);
        else
            bar.addAction(actionFor(entry.tool));
    }
}

void CommandBarView::buildQuickFind(QToolBar& bar) {
    const CommandTool* tool = model_.tool(commands::kQuickFind);
    auto* label = new QLabel(tool ? tool->caption : QString(), &bar);
    label->setContentsMargins(4, 0, 4, 0);
    bar.addWidget(label);
    quickFind_ = new QComboBox(&bar);
    quickFind_->setObjectName(commands::kQuickFind);
    quickFind_->setEditable(true);
    quickFind_->setMinimumContentsLength(24);
    quickFind_->setInsertPolicy(QComboBox::NoInsert);
    label->setBuddy(quickFind_);
    bar.addWidget(quickFind_);
    connect(quickFind_, &QComboBox::textActivated, this, &CommandBarView::quickFindSelected);
    updateQuickFind();
}

void CommandBarView::updateQuickFind() {
    if (!quickFind_) return;
    const QuickFindState& state = model_.quickFind();
    const QSignalBlocker block(quickFind_);
    quickFind_->clear();
    quickFind_->addItems(state.items);
    quickFind_->setEditText(state.text);
    quickFind_->setEnabled(state.enabled);
}

}  // namespace sentrel::editor
