#pragma once

#include <QString>
#include <QStringList>

namespace sentrel::editing {

// What the property operations read from and change in the views: the selected tree node,
// the property list and the filter list. The views implement it over their models.
class PropertyOperationsView {
  public:
    virtual ~PropertyOperationsView() = default;

    // Type name (node key) of the selected tree node; empty when none.
    virtual QString selectedTypeName() const = 0;
    virtual bool selectedNodeHasChildren() const = 0;

    // The names of every row and of the selected rows, both in list order.
    virtual QStringList propertyRowNames() const = 0;
    virtual QStringList selectedPropertyRows() const = 0;
    virtual void clearPropertySelection() = 0;
    // Adds a row, makes it visible and the only selected row, and updates the commands
    // as a click on it would.
    virtual void addPropertyRow(const QString& name, const QString& value,
                                const QString& imageKey) = 0;
    virtual void setPropertyRowValue(const QString& name, const QString& value) = 0;
    virtual void removePropertyRows(const QStringList& names) = 0;

    // Filter-list rows whose property text equals `oldName` (any case) get `newName`.
    virtual void renameFilterRowProperty(const QString& oldName, const QString& newName) = 0;
    // Removes the filter-list row with this key ("K" + unique id).
    virtual void removeFilterRow(const QString& key) = 0;
};

}  // namespace sentrel::editing
