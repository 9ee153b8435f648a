#include "editor/views/BrowserViews.h"

#include <QScopedValueRollback>
#include <algorithm>

#include "document/Document.h"
#include "document/Vocabulary.h"
#include "editing/DescriptionEdit.h"
#include "editing/EditHost.h"
#include "editing/FilterPropertyEdit.h"
#include "editing/FilterRowCells.h"
#include "editing/FilterRowKey.h"
#include "editing/PropertyOperations.h"
#include "editing/ReportedErrors.h"
#include "editor/views/BrowserTreeBuilder.h"
#include "editor/views/NodeCaptions.h"
#include "editor/views/ViewHost.h"
#include "shell/AppError.h"
#include "shell/Interaction.h"

namespace sentrel::views {

namespace {

const QString kChange = QStringLiteral("miPropertiesChange");
const QString kRename = QStringLiteral("miPropertiesRename");
const QString kRemove = QStringLiteral("miPropertiesRemove");
const QString kFiltersChange = QStringLiteral("miFiltersChange");
const QString kFiltersRemove = QStringLiteral("miFiltersRemove");
const QString kObjectUpdatePanel = QStringLiteral("ObjectUpdate");

}  // namespace

BrowserViews::BrowserViews(ViewHost& host, QObject* parent)
    : QObject(parent),
      host_(host),
      options_([] { return DisplayOptions{}; }),
      properties_({QStringLiteral("Property"), QStringLiteral("Value")}, {}),
      filters_(
          {QStringLiteral("Property"), QStringLiteral("Condition"), QStringLiteral("Value to set"),
           QStringLiteral("Priority"), QStringLiteral("Type"), QStringLiteral("Data field")},
          {QStringLiteral("property"), QStringLiteral("condition"), QStringLiteral("value"),
           QStringLiteral("priority"), QStringLiteral("type"), QStringLiteral("dataField")}),
      treeSelection_(&tree_),
      propertySelection_(&properties_),
      filterSelection_(&filters_) {
    tree_.setLabelEditHandler([this](const QString& key, const QString& text) {
        return reported([&] { return treeLabelEdit(key, text); });
    });
    properties_.setLabelEditHandler([this](const QString& key, const QString& text) {
        return reported([&] { return propertyLabelEdit(key, text); });
    });
    filters_.setLabelEditHandler([this](const QString& key, const QString& text) {
        return reported([&] { return filterLabelEdit(key, text); });
    });
    filterTree_.setLabelEditHandler([](const QString&, const QString&) { return false; });
}

BrowserViews::~BrowserViews() = default;

bool BrowserViews::reported(const std::function<bool()>& labelEdit) {
    if (!editHost_) return false;
    bool kept = false;
    editing::runReported(editHost_->interaction(), [&] { kept = labelEdit(); });
    return kept;
}

// ---- building and clearing -------------------------------------------------------------

QStringList BrowserViews::buildViews(doc::Document& document, QString& lastEntry) {
    clearViews();
    builtFrom_ = &document;
    BrowserTreeBuilder builder(tree_);
    try {
        builder.build(document);
    } catch (...) {
        lastEntry = builder.lastEntry();
        clearViews();
        throw;
    }
    lastEntry = builder.lastEntry();
    quickFind_ = builder.descriptions();
    host_.setQuickFindEntries(quickFind_);
    if (const TreeNode* first = tree_.nodesInOrder().empty() ? nullptr : tree_.nodesInOrder()[0]) {
        selectNode(first->key);
        refreshNode(first->key, true);
        properties_.sortByColumn(0);
        // The root opens expanded so the top-level folders and browsers show at once.
        nodeExpanded(first->key, true);
        emit expandRequested(tree_.indexOf(first->key), true);
    }
    filterTree_.addNode({}, QStringLiteral("Filters"), QStringLiteral("All filters"),
                        QStringLiteral("filter"), QStringLiteral("filter"));
    fillFilterList(document);
    return builder.deletedNames();
}

void BrowserViews::fillFilterList(doc::Document& document) {
    std::vector<ListRow> rows;
    if (document.hasProperty(QStringLiteral("FiltersArray"))) {
        doc::FiltersArray& filters = document.FiltersArray();
        rows.reserve(static_cast<size_t>(filters.Count()));
        for (int i = 0; i < filters.Count(); ++i) {
            rows.push_back({editing::filterRowKey(filters[i].number(QStringLiteral("uId"))),
                            editing::filterRowCells(filters[i]),
                            {}});
        }
    }
    filters_.setRows(std::move(rows));
    filters_.sortByColumn(filters_.sortColumn());
    setFilterCommands();
}

void BrowserViews::clearViews() {
    tree_.clear();
    properties_.clear();
    filters_.clear();
    filterTree_.clear();
    quickFind_.clear();
    expanded_.clear();
    shownKey_.clear();
    title_.clear();
    lastButton_ = Button::None;
    builtFrom_ = nullptr;
}

doc::Document* BrowserViews::document() const {
    if (!builtFrom_) return nullptr;
    return documentSource_ ? documentSource_() : builtFrom_;
}

// ---- showing a node ---------------------------------------------------------------------

void BrowserViews::refreshNode(const QString& key, bool full) {
    if (full) shownKey_.clear();
    doc::Document* document = this->document();
    if (!document || key.compare(shownKey_, Qt::CaseInsensitive) == 0) return;
    const TreeNode* node = tree_.node(key);
    if (!node) return;
    setPropertyCommands(false, false, false);
    const doc::TypeObject& type = document->Path(key);
    if (full || properties_.size() == 0) {
        fillPropertyRows(type);
    } else {
        updatePropertyValues(type);
    }
    shownKey_ = node->key;
    setNodeCommands(node->key, type);
    setExpandCommands(*node);
    host_.setCommandEnabled(QStringLiteral("miViewParent"), node->parent != nullptr);
    host_.showQuickFindEntry(node->text);
}

void BrowserViews::fillPropertyRows(const doc::TypeObject& type) {
    const DisplayOptions options = options_();
    const doc::TypeObject& root = document()->DefaultBrowser();
    std::vector<ListRow> rows;
    for (const QString& name : type.enumerate()) {
        if (mainMod::isSystemProperty(name) && !options.showSystem) continue;
        if (mainMod::isVersionProperty(name) && !options.showVersion) continue;
        rows.push_back({name, {name, type.Path(name)}, root.GetPropertyType(name).toLower()});
    }
    properties_.setRows(std::move(rows));
}

void BrowserViews::updatePropertyValues(const doc::TypeObject& type) {
    // Every type carries the same parameters, so the rows stay and only values change.
    for (int row = 0; row < properties_.size(); ++row) {
        const QString& name = properties_.row(row).key;
        if (type.hasParameter(name)) properties_.setCell(row, 1, type.Path(name));
    }
}

void BrowserViews::setNodeCommands(const QString& key, const doc::TypeObject& type) {
    const TreeNode* node = tree_.node(key);
    host_.setCommandEnabled(QStringLiteral("miBrowsersDelete"),
                            node->parent != nullptr && node->children.empty());
    host_.setCommandEnabled(QStringLiteral("miBrowsersUserAgent"), !captions::isFolder(type));
    title_ = captions::title(type, node->text);
    host_.setPropertyListTitle(title_);
    host_.setStatusText(kObjectUpdatePanel, captions::objectUpdate(type));
}

void BrowserViews::setExpandCommands(const TreeNode& node) {
    const bool hasChildren = !node.children.empty();
    const bool expanded = expanded_.contains(node.key.toLower());
    host_.setCommandEnabled(QStringLiteral("miBrowsersExpand"), !expanded && hasChildren);
    host_.setCommandEnabled(QStringLiteral("miBrowsersCollapse"), expanded && hasChildren);
}

void BrowserViews::setPropertyCommands(bool change, bool rename, bool remove) {
    host_.setCommandEnabled(kChange, change);
    host_.setCommandEnabled(kRename, rename);
    propertyRenameAllowed_ = rename;
    host_.setCommandEnabled(kRemove, remove);
}

void BrowserViews::setFilterCommands() {
    const bool any = filters_.size() > 0;
    host_.setCommandEnabled(kFiltersChange, any);
    host_.setCommandEnabled(kFiltersRemove, any);
}

// ---- selection and clicks ------------------------------------------------------------------

void BrowserViews::selectNode(const QString& key) {
    const QModelIndex index = tree_.indexOf(key);
    if (!index.isValid()) return;
    const QScopedValueRollback<bool> selecting(selecting_, true);
    treeSelection_.setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    emit nodeMadeVisible(index);
}

void BrowserViews::currentNodeChanged(const QString& key) {
    if (!selecting_) nodeClick(key);
}

void BrowserViews::showNode(const QString& key) {
    selectNode(key);
    refreshNode(key, false);
}

void BrowserViews::nodeClick(const QString& key) {
    refreshNode(key, false);
    showPopupAfter(Button::Tree, QStringLiteral("Browsers"));
}

void BrowserViews::showPopupAfter(Button button, const QString& band) {
    if (lastButton_ != button) return;
    lastButton_ = Button::None;
    emit popupRequested(band);
}

QList<int> BrowserViews::selectedRows(const QItemSelectionModel& selection) const {
    QList<int> rows;
    for (const QModelIndex& index : selection.selectedRows(0)) rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void BrowserViews::propertyItemClick() {
    updatePropertyCommands();
    showPopupAfter(Button::PropertyList, QStringLiteral("Properties"));
}

void BrowserViews::updatePropertyCommands() {
    const QList<int> rows = selectedRows(propertySelection_);
    if (rows.isEmpty()) {
        setPropertyCommands(false, false, false);
        return;
    }
    const QModelIndex current = propertySelection_.currentIndex();
    const int clicked = current.isValid() ? current.row() : rows.front();
    const bool several = rows.size() > 1;
    const bool anyProtected = std::any_of(rows.begin(), rows.end(), [this](int row) {
        return mainMod::isProtectedProperty(properties_.row(row).key);
    });
    const bool clickedProtected = mainMod::isProtectedProperty(properties_.row(clicked).key);
    setPropertyCommands(!several, !several && !clickedProtected, !anyProtected);
}

void BrowserViews::filterItemClick() {
    updateFilterCommands();
    showPopupAfter(Button::FilterList, QStringLiteral("Filters"));
}

void BrowserViews::updateFilterCommands() {
    const QList<int> rows = selectedRows(filterSelection_);
    if (rows.isEmpty()) {
        setFilterCommands();
        return;
    }
    host_.setCommandEnabled(kFiltersChange, rows.size() == 1);
    host_.setCommandEnabled(kFiltersRemove, true);
}

void BrowserViews::treeRightPress(const QString& key) {
    if (!tree_.node(key)) return;
    lastButton_ = Button::Tree;
    selectNode(key);
    nodeClick(key);
}

void BrowserViews::selectOnly(QItemSelectionModel& selection, const QModelIndex& index,
                              bool modifierHeld) {
    const auto flags =
        modifierHeld ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect;
    selection.setCurrentIndex(index, flags | QItemSelectionModel::Rows);
}

void BrowserViews::propertyRightPress(int row, bool modifierHeld) {
    if (row < 0 || row >= properties_.size()) return;
    lastButton_ = Button::PropertyList;
    selectOnly(propertySelection_, properties_.index(row, 0), modifierHeld);
    propertyItemClick();
}

void BrowserViews::filterRightPress(int row, bool modifierHeld) {
    if (row < 0 || row >= filters_.size()) return;
    lastButton_ = Button::FilterList;
    selectOnly(filterSelection_, filters_.index(row, 0), modifierHeld);
    filterItemClick();
}

void BrowserViews::propertyDoubleClick(int row) {
    if (row < 0 || row >= properties_.size() || !operations_ || !editHost_) return;
    const QString name = properties_.row(row).key;
    editing::runReported(editHost_->interaction(), [&] { operations_->changeProperty(name); });
}

void BrowserViews::filterDoubleClick(int row) {
    if (row < 0 || row >= filters_.size()) return;
    emit changeFilterRequested(filters_.row(row).key);
}

void BrowserViews::nodeExpanded(const QString& key, bool expanded) {
    if (expanded) {
        expanded_.insert(key.toLower());
    } else {
        expanded_.remove(key.toLower());
    }
    const TreeNode* node = tree_.node(key);
    if (node && key.compare(shownKey_, Qt::CaseInsensitive) == 0) setExpandCommands(*node);
}

void BrowserViews::quickFindChosen(const QString& text) {
    for (const TreeNode* node : tree_.nodesInOrder()) {
        if (node->text != text) continue;
        showNode(node->key);
        emit treeFocusRequested();
        return;
    }
}

// ---- commands ------------------------------------------------------------------------------

void BrowserViews::expandSelected(bool expand) {
    const QString key = selectedTypeName();
    if (key.isEmpty()) return;
    nodeExpanded(key, expand);
    emit expandRequested(tree_.indexOf(key), expand);
}

void BrowserViews::viewParent() {
    const TreeNode* node = tree_.node(selectedTypeName());
    if (node && node->parent) showNode(node->parent->key);
}

void BrowserViews::viewDefaultBrowser() {
    if (!tree_.nodesInOrder().empty()) showNode(tree_.nodesInOrder().front()->key);
}

// ---- label edits ---------------------------------------------------------------------------

bool BrowserViews::treeLabelEdit(const QString& key, const QString& newText) {
    const TreeNode* node = tree_.node(key);
    if (!node || !editHost_) return false;
    editing::DescriptionEdit edit(*editHost_);
    if (edit.apply(node->key, node->text, newText) != editing::DescriptionEdit::Outcome::Changed) {
        return false;
    }
    tree_.setText(key, newText);
    rebuildQuickFind();
    if (key.compare(shownKey_, Qt::CaseInsensitive) == 0) {
        title_ = captions::title(document()->Path(key), newText);
        host_.setPropertyListTitle(title_);
        host_.showQuickFindEntry(newText);
    }
    return true;
}

bool BrowserViews::propertyLabelEdit(const QString& oldName, const QString& newName) {
    if (!operations_ || newName == oldName) return false;
    // A refused rename has told the user why.
    if (!operations_->renameProperty(oldName, newName)) return false;
    const int row = properties_.rowOfKey(oldName);
    if (row >= 0) properties_.setKeyAndText(row, newName, newName);
    return true;
}

bool BrowserViews::filterLabelEdit(const QString& rowKey, const QString& newProperty) {
    if (!editHost_) return false;
    return editing::FilterPropertyEdit(*editHost_).apply(rowKey, newProperty);
}

void BrowserViews::rebuildQuickFind() {
    quickFind_.clear();
    if (doc::Document* document = this->document()) {
        for (const QString& name : document->types()) {
            if (!mainMod::isBrowserType(name)) continue;
            const doc::TypeObject& type = document->Path(name);
            if (type.Path(mainMod::kTypeParam) == mainMod::kTypeDeleted) continue;
            quickFind_ << type.Path(mainMod::kDescriptionParam);
        }
    }
    host_.setQuickFindEntries(quickFind_);
}

// ---- the property operations' view ---------------------------------------------------------

QString BrowserViews::selectedTypeName() const {
    return tree_.keyAt(treeSelection_.currentIndex());
}

bool BrowserViews::selectedNodeHasChildren() const {
    const TreeNode* node = tree_.nodeAt(treeSelection_.currentIndex());
    return node && !node->children.empty();
}

QStringList BrowserViews::selectedPropertyRows() const {
    QStringList names;
    for (int row : selectedRows(propertySelection_)) names << properties_.row(row).key;
    return names;
}

void BrowserViews::addPropertyRow(const QString& name, const QString& value,
                                  const QString& imageKey) {
    const int row = properties_.appendRow({name, {name, value}, imageKey});
    selectOnly(propertySelection_, properties_.index(row, 0), false);
    emit propertyRowMadeVisible(properties_.index(row, 0));
    updatePropertyCommands();
}

void BrowserViews::setPropertyRowValue(const QString& name, const QString& value) {
    const int row = properties_.rowOfKey(name);
    if (row >= 0) properties_.setCell(row, 1, value);
}

void BrowserViews::removePropertyRows(const QStringList& names) {
    properties_.removeRowsByKey(names);
    updatePropertyCommands();
}

void BrowserViews::renameFilterRowProperty(const QString& oldName, const QString& newName) {
    for (int row = 0; row < filters_.size(); ++row) {
        if (filters_.row(row).cells.value(0).compare(oldName, Qt::CaseInsensitive) == 0) {
            filters_.setCell(row, 0, newName);
        }
    }
}

void BrowserViews::removeFilterRow(const QString& key) {
    filters_.removeRowByKey(key);
    updateFilterCommands();
}

// ---- the browser operations' view ----------------------------------------------------------

QString BrowserViews::selectedNodeText() const {
    const TreeNode* node = tree_.nodeAt(treeSelection_.currentIndex());
    return node ? node->text : QString();
}

QString BrowserViews::parentNodeKey(const QString& key) const {
    const TreeNode* node = tree_.node(key);
    return node && node->parent ? node->parent->key : QString();
}

void BrowserViews::addTreeNode(const QString& parentKey, const QString& key, const QString& text,
                               const QString& image, const QString& selectedImage) {
    if (tree_.addNode(parentKey, key, text, image, selectedImage)) selectNode(key);
}

void BrowserViews::removeTreeNode(const QString& key) {
    if (key.compare(shownKey_, Qt::CaseInsensitive) == 0) shownKey_.clear();
    expanded_.remove(key.toLower());
    const QScopedValueRollback<bool> selecting(selecting_, true);
    tree_.removeNode(key);
}

void BrowserViews::appendQuickFindEntry(const QString& description) {
    quickFind_ << description;
    host_.setQuickFindEntries(quickFind_);
}

void BrowserViews::setTitleLabel(const QString& caption) {
    title_ = caption;
    host_.setPropertyListTitle(caption);
}

// ---- the filter operations' view -----------------------------------------------------------

QStringList BrowserViews::selectedFilterRows() const {
    QStringList keys;
    for (int row : selectedRows(filterSelection_)) keys << filters_.row(row).key;
    return keys;
}

QStringList BrowserViews::filterRowCells(const QString& key) const {
    const int row = filters_.rowOfKey(key);
    return row < 0 ? QStringList() : filters_.row(row).cells;
}

void BrowserViews::addFilterRow(const QString& key, const QStringList& cells) {
    const int row = filters_.appendRow({key, cells, {}});
    selectOnly(filterSelection_, filters_.index(row, 0), false);
    emit filterRowMadeVisible(filters_.index(row, 0));
    updateFilterCommands();
}

void BrowserViews::setFilterRowCells(const QString& key, const QStringList& cells) {
    const int row = filters_.rowOfKey(key);
    for (int column = 0; row >= 0 && column < cells.size(); ++column) {
        filters_.setCell(row, column, cells[column]);
    }
}

}  // namespace sentrel::views
