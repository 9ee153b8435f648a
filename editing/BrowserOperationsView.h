#pragma once

#include <QString>

namespace sentrel::editing {

// What the browser and folder operations read from and change in the browser tree and the
// panes around it. The views implement it over their models.
class BrowserOperationsView {
  public:
    virtual ~BrowserOperationsView() = default;

    // Type name (node key) and text of the selected tree node; empty when none.
    virtual QString selectedTypeName() const = 0;
    virtual QString selectedNodeText() const = 0;
    virtual bool selectedNodeHasChildren() const = 0;
    // The key of a node's parent node; empty for the root and for unknown keys.
    virtual QString parentNodeKey(const QString& key) const = 0;

    // Adds a node under `parentKey`, makes it visible and selects it (the views' own
    // selection, not a click).
    virtual void addTreeNode(const QString& parentKey, const QString& key, const QString& text,
                             const QString& image, const QString& selectedImage) = 0;
    virtual void removeTreeNode(const QString& key) = 0;
    // Selects a node and makes it visible (the views' own selection, not a click).
    virtual void selectTreeNode(const QString& key) = 0;
    // Lists the node's properties: full rebuilds the rows, otherwise only values change.
    virtual void refreshNode(const QString& key, bool full) = 0;

    virtual void appendQuickFindEntry(const QString& description) = 0;
    // Rebuilds the quick-find entries from the document's live browser types.
    virtual void rebuildQuickFind() = 0;
    // The title label above the property list.
    virtual void setTitleLabel(const QString& caption) = 0;
    // Whether "Show system &properties" is checked.
    virtual bool showSystemProperties() const = 0;
};

}  // namespace sentrel::editing
