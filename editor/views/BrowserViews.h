#pragma once

#include <QItemSelectionModel>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <functional>

#include "editing/BrowserOperationsView.h"
#include "editing/FilterOperationsView.h"
#include "editing/PropertyOperationsView.h"
#include "editor/views/BrowserTreeModel.h"
#include "editor/views/DisplayOptions.h"
#include "editor/views/RowListModel.h"

namespace sentrel::doc {
class Document;
class TypeObject;
}  // namespace sentrel::doc
namespace sentrel::editing {
class EditHost;
class PropertyOperations;
}  // namespace sentrel::editing

namespace sentrel::views {

class ViewHost;

// The browser tree, the property list, the filter tree and the filter list of the main
// window, as models and the state that ties them together: which node is shown, what the
// last right-click was, which commands the selection allows. Widgets render the models,
// share the selection models and report the user's clicks and edits here; the editing
// operations change the views through their view interfaces.
class BrowserViews : public QObject,
                     public editing::PropertyOperationsView,
                     public editing::BrowserOperationsView,
                     public editing::FilterOperationsView {
    Q_OBJECT
  public:
    // Which view the last right-click was in.
    enum class Button { None = 0, Tree = 1, PropertyList = 2, FilterList = 3 };

    explicit BrowserViews(ViewHost& host, QObject* parent = nullptr);
    ~BrowserViews() override;

    void setDisplayOptions(std::function<DisplayOptions()> source) { options_ = std::move(source); }
    // Where the views find the document they show, once built. The main window's views
    // follow the open file's document, which Compact replaces by a new object; without a
    // source the views read the document they were built from.
    void setDocumentSource(std::function<doc::Document*()> source) {
        documentSource_ = std::move(source);
    }
    // The editing side: label edits write through it, double clicks and renames go to the
    // property operations. Either may be null (no editing).
    void setEditHost(editing::EditHost* host) { editHost_ = host; }
    void setPropertyOperations(editing::PropertyOperations* operations) {
        operations_ = operations;
    }

    BrowserTreeModel& tree() { return tree_; }
    RowListModel& propertyList() { return properties_; }
    RowListModel& filterList() { return filters_; }
    // The filter tree: one node, "All filters", while a document is shown.
    BrowserTreeModel& filterTree() { return filterTree_; }
    QItemSelectionModel& treeSelection() { return treeSelection_; }
    QItemSelectionModel& propertySelection() { return propertySelection_; }
    QItemSelectionModel& filterSelection() { return filterSelection_; }
    const QStringList& quickFindEntries() const { return quickFind_; }
    const QString& title() const { return title_; }
    // The key of the node whose properties are listed; empty after a full refresh request.
    const QString& shownKey() const { return shownKey_; }

    // Fills every view from the document and shows the first node. Answers the names of
    // the types marked deleted. Throws AppError when the tree cannot be built; `lastEntry`
    // then names the last type being placed.
    QStringList buildViews(doc::Document& document, QString& lastEntry);
    void clearViews();

    // Lists the node's properties and sets title, status and commands. Full: rebuild the
    // rows from the options; otherwise keep the rows and change their values only.
    void refreshNode(const QString& key, bool full) override;

    // Events of the widgets. A node click; the tree view's current node changing, which
    // is a click unless the views selected the node themselves.
    void nodeClick(const QString& key);
    void currentNodeChanged(const QString& key);
    void propertyItemClick();
    void filterItemClick();
    // The selection of a list changed (keyboard or mouse): the commands follow it.
    void propertySelectionChanged() { updatePropertyCommands(); }
    void filterSelectionChanged() { updateFilterCommands(); }
    // "miFiltersChange" and "miFiltersRemove": with no selection both follow whether the
    // list has rows; otherwise Change needs exactly one selected row.
    void updateFilterCommands() override;
    void treeRightPress(const QString& key);
    void propertyRightPress(int row, bool modifierHeld);
    void filterRightPress(int row, bool modifierHeld);
    void propertyDoubleClick(int row);
    void filterDoubleClick(int row);
    void sortPropertyList(int column) { properties_.sortByColumn(column); }
    void sortFilterList(int column) { filters_.sortByColumn(column); }
    void nodeExpanded(const QString& key, bool expanded);
    // The quick-find box: the user chose an entry.
    void quickFindChosen(const QString& text);

    // Commands.
    void expandSelected(bool expand);
    void viewParent();
    void viewDefaultBrowser();

    // Label edits; true keeps the new text.
    bool treeLabelEdit(const QString& key, const QString& newText);
    bool propertyLabelEdit(const QString& oldName, const QString& newName);
    bool filterLabelEdit(const QString& rowKey, const QString& newProperty);

    // Rebuilds the quick-find entries from the document's live browser types.
    void rebuildQuickFind() override;

    // PropertyOperationsView.
    QString selectedTypeName() const override;
    bool selectedNodeHasChildren() const override;
    QStringList propertyRowNames() const override { return properties_.texts(); }
    QStringList selectedPropertyRows() const override;
    void clearPropertySelection() override { propertySelection_.clearSelection(); }
    void addPropertyRow(const QString& name, const QString& value,
                        const QString& imageKey) override;
    void setPropertyRowValue(const QString& name, const QString& value) override;
    void removePropertyRows(const QStringList& names) override;
    void renameFilterRowProperty(const QString& oldName, const QString& newName) override;
    void removeFilterRow(const QString& key) override;

    // BrowserOperationsView (with selectedTypeName, selectedNodeHasChildren, refreshNode and
    // rebuildQuickFind above).
    QString selectedNodeText() const override;
    QString parentNodeKey(const QString& key) const override;
    void addTreeNode(const QString& parentKey, const QString& key, const QString& text,
                     const QString& image, const QString& selectedImage) override;
    void removeTreeNode(const QString& key) override;
    void selectTreeNode(const QString& key) override { selectNode(key); }
    void appendQuickFindEntry(const QString& description) override;
    void setTitleLabel(const QString& caption) override;
    bool showSystemProperties() const override { return options_().showSystem; }
    // True while the selected property row may be renamed (the Rename command is on).
    bool propertyRenameAllowed() const { return propertyRenameAllowed_; }

    // FilterOperationsView (with removeFilterRow and updateFilterCommands above).
    QStringList selectedFilterRows() const override;
    QStringList filterRowCells(const QString& key) const override;
    void addFilterRow(const QString& key, const QStringList& cells) override;
    void setFilterRowCells(const QString& key, const QStringList& cells) override;

  signals:
    // The widgets: scroll a node or row into view, focus the tree, show a popup band at
    // the pointer, expand or collapse a node, run the change operations.
    void nodeMadeVisible(const QModelIndex& index);
    void propertyRowMadeVisible(const QModelIndex& index);
    void filterRowMadeVisible(const QModelIndex& index);
    void treeFocusRequested();
    void popupRequested(const QString& band);
    void expandRequested(const QModelIndex& index, bool expand);
    void changeFilterRequested(const QString& rowKey);

  private:
    // The document shown; null while the views are empty.
    doc::Document* document() const;
    void selectNode(const QString& key);
    void showNode(const QString& key);
    void fillPropertyRows(const doc::TypeObject& type);
    void updatePropertyValues(const doc::TypeObject& type);
    void setNodeCommands(const QString& key, const doc::TypeObject& type);
    void setExpandCommands(const TreeNode& node);
    void setPropertyCommands(bool change, bool rename, bool remove);
    void updatePropertyCommands();
    void setFilterCommands();
    void fillFilterList(doc::Document& document);
    void selectOnly(QItemSelectionModel& selection, const QModelIndex& index, bool modifierHeld);
    QList<int> selectedRows(const QItemSelectionModel& selection) const;
    void showPopupAfter(Button button, const QString& band);
    // Runs a label edit from a view; an error it raises is reported and cancels the edit.
    bool reported(const std::function<bool()>& labelEdit);

    ViewHost& host_;
    std::function<DisplayOptions()> options_;
    editing::EditHost* editHost_ = nullptr;
    editing::PropertyOperations* operations_ = nullptr;
    std::function<doc::Document*()> documentSource_;
    doc::Document* builtFrom_ = nullptr;  // null while the views are empty

    BrowserTreeModel tree_;
    RowListModel properties_;
    RowListModel filters_;
    BrowserTreeModel filterTree_;
    QItemSelectionModel treeSelection_;
    QItemSelectionModel propertySelection_;
    QItemSelectionModel filterSelection_;

    QStringList quickFind_;
    QString title_;
    QString shownKey_;
    QSet<QString> expanded_;  // lower-cased keys of expanded nodes
    Button lastButton_ = Button::None;
    bool propertyRenameAllowed_ = false;
    bool selecting_ = false;  // the views are selecting a node themselves
};

}  // namespace sentrel::views
