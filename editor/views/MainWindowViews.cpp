#include "editor/views/MainWindowViews.h"

#include <QCursor>
#include <QLabel>

#include "editing/ReportedErrors.h"
#include "editor/CommandTable.h"
#include "editor/frmMain.h"
#include "editor/lifecycle/FileLifecycle.h"
#include "editor/lifecycle/MainWindowView.h"
#include "editor/lifecycle/MergeRecord.h"
#include "reporting/OptionStore.h"
#include "shell/AppError.h"

namespace sentrel::views {

MainWindowViews::MainWindowViews(editor::frmMain& window, lifecycle::FileLifecycle& lifecycle,
                                 lifecycle::MainWindowView& lifecycleView, Interaction& interaction,
                                 QDateTime startStamp)
    : window_(window),
      lifecycle_(lifecycle),
      interaction_(interaction),
      startStamp_(std::move(startStamp)),
      views_(*this),
      operations_(*this, views_),
      browserOperations_(*this, views_, lifecycle.state().deletedTypes),
      filterOperations_(*this, views_,
                        {lifecycle.state().filtersUnsorted, lifecycle.state().filterDialogStale}),
      panes_(views_, &window) {
    views_.setEditHost(this);
    views_.setPropertyOperations(&operations_);
    views_.setDocumentSource([this] { return lifecycle_.state().document(); });
    views_.setDisplayOptions([this] {
        return options_ ? DisplayOptions{options_->propShowVer, options_->propShowSys}
                        : DisplayOptions{};
    });
    placePanes();
    connectHooks(lifecycleView);
    registerCommands();
}

MainWindowViews::~MainWindowViews() = default;

void MainWindowViews::placePanes() {
    using editor::commands::Pane;
    window_.setPane(Pane::BrowserTree, panes_.tvTreeView);
    window_.setPane(Pane::PropertyList, panes_.lvListView);
    window_.setPane(Pane::FilterTree, panes_.tvFilterTree);
    window_.setPane(Pane::FilterList, panes_.lvFilterList);
    QObject::connect(&views_, &BrowserViews::popupRequested, &window_,
                     [this](const QString& band) { window_.showPopup(band, QCursor::pos()); });
    // A double click on a filter row changes that filter.
    QObject::connect(
        &views_, &BrowserViews::changeFilterRequested, &window_, [this](const QString& rowKey) {
            editing::runReported(interaction_, [&] { filterOperations_.changeFilter(rowKey); });
        });
}

void MainWindowViews::connectHooks(lifecycle::MainWindowView& lifecycleView) {
    auto& hooks = lifecycleView.hooks();
    // The lifecycle has collected the deleted types already; the views find the same ones.
    hooks.buildViews = [this](doc::Document& document, const QStringList&, QString& lastEntry) {
        views_.buildViews(document, lastEntry);
    };
    hooks.clearViews = [this] {
        views_.clearViews();
        window_.titleLabel(editor::commands::Pane::PropertyList)
            ->setText(QStringLiteral("Browser properties:"));
    };
    hooks.selectedTypeName = [this] { return views_.selectedTypeName(); };
    hooks.showType = [this](const QString& name) {
        views_.selectTreeNode(name);
        // As a click on it: the rows stay in the order the list shows them.
        if (views_.selectedTypeName() == name) views_.refreshNode(name, false);
    };
    lifecycle_.history().setDateStamp(dateStamp());
    window_.hooks().quickFind = [this](const QString& text) { views_.quickFindChosen(text); };
}

void MainWindowViews::registerCommands() {
    editor::CommandDispatcher& dispatcher = window_.dispatcher();
    // A failing document call is reported and ends the command, never the program.
    const auto add = [this, &dispatcher](const char* tool, std::function<void()> operation) {
        dispatcher.registerOperation(QString::fromLatin1(tool), [this, operation] {
            editing::runReported(interaction_, operation);
        });
    };
    add("miPropertiesAdd", [this] { operations_.addProperty(); });
    add("miPropertiesChange", [this] { changeSelectedProperty(); });
    add("miPropertiesRename",
        [this] { editCurrent(*panes_.lvListView, views_.propertySelection().currentIndex()); });
    add("miPropertiesRemove", [this] { operations_.removeProperties(); });
    add("miBrowsersDescription",
        [this] { editCurrent(*panes_.tvTreeView, views_.treeSelection().currentIndex()); });
    add("miBrowsersAdd", [this] { browserOperations_.addBrowser(); });
    add("miBrowsersCreateFolder", [this] { browserOperations_.createFolder(); });
    add("miBrowsersUserAgent", [this] { browserOperations_.setUserAgent(); });
    add("miBrowsersDelete", [this] { browserOperations_.deleteSelectedType(); });
    add("miFiltersAdd", [this] { filterOperations_.addFilter(); });
    add("miFiltersChange", [this] { changeSelectedFilter(); });
    add("miFiltersRemove", [this] { filterOperations_.removeFilters(); });
    add("miBrowsersExpand", [this] { views_.expandSelected(true); });
    add("miBrowsersCollapse", [this] { views_.expandSelected(false); });
    add("miViewParent", [this] { views_.viewParent(); });
    add("miViewDefaultBrowser", [this] { views_.viewDefaultBrowser(); });
}

void MainWindowViews::changeSelectedProperty() {
    const QStringList rows = views_.selectedPropertyRows();
    if (!rows.isEmpty()) operations_.changeProperty(rows.front());
}

void MainWindowViews::changeSelectedFilter() {
    const QStringList rows = views_.selectedFilterRows();
    if (!rows.isEmpty()) filterOperations_.changeFilter(rows.front());
}

void MainWindowViews::editCurrent(QAbstractItemView& view, const QModelIndex& index) {
    if (!index.isValid()) return;
    view.setFocus();
    view.edit(index.siblingAtColumn(0));
}

void MainWindowViews::refreshSelected() {
    const QString key = views_.selectedTypeName();
    if (lifecycle_.state().hasDocument() && !key.isEmpty()) views_.refreshNode(key, true);
}

void MainWindowViews::setCommandEnabled(const QString& tool, bool enabled) {
    window_.commandBar().setEnabled(tool, enabled);
}

void MainWindowViews::setStatusText(const QString& panel, const QString& text) {
    window_.statusPanels().setText(panel, text);
}

void MainWindowViews::setPropertyListTitle(const QString& caption) {
    window_.titleLabel(editor::commands::Pane::PropertyList)->setText(caption);
}

void MainWindowViews::setQuickFindEntries(const QStringList& entries) {
    editor::QuickFindState state = window_.commandBar().quickFind();
    state.items = entries;
    window_.commandBar().setQuickFind(state);
}

void MainWindowViews::showQuickFindEntry(const QString& text) {
    editor::QuickFindState state = window_.commandBar().quickFind();
    if (state.text == text) return;
    state.text = text;
    window_.commandBar().setQuickFind(state);
}

doc::Document& MainWindowViews::document() {
    doc::Document* document = lifecycle_.state().document();
    if (!document) {
        throw AppError(91, QStringLiteral("No definition file is open."));
    }
    return *document;
}

QString MainWindowViews::dateStamp() const {
    return lifecycle::MergeRecord::dateStamp(startStamp_);
}

void MainWindowViews::writeMergeRecord(int code, const std::array<QString, 5>& fields) {
    lifecycle_.WriteMergeRecord(code, fields[0], fields[1], fields[2], fields[3], fields[4]);
}

void MainWindowViews::beginStep(const QString& text) {
    lifecycle_.history().begin(text);
}

void MainWindowViews::endStep() {
    lifecycle_.history().end();
}

void MainWindowViews::markModified() {
    lifecycle_.markModified();
}

void MainWindowViews::setFilterDialogStale() {
    lifecycle_.state().filterDialogStale = true;
}

}  // namespace sentrel::views
