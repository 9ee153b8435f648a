#pragma once

#include <QString>
#include <QStringList>

namespace sentrel::editing {

// What the filter operations read from and change in the filter list. Rows are keyed
// "K" + the filter's unique id; their cells are property, condition, value to set, priority,
// the kind's short code and the data field. The views implement it over their models.
class FilterOperationsView {
  public:
    virtual ~FilterOperationsView() = default;

    // Keys of the selected rows, in list order.
    virtual QStringList selectedFilterRows() const = 0;
    // The cells of a row; empty when there is no row with this key.
    virtual QStringList filterRowCells(const QString& key) const = 0;
    // Appends a row and makes it the only selected row, visible, with the list focused.
    virtual void addFilterRow(const QString& key, const QStringList& cells) = 0;
    virtual void setFilterRowCells(const QString& key, const QStringList& cells) = 0;
    virtual void removeFilterRow(const QString& key) = 0;
    // Enables "miFiltersChange" and "miFiltersRemove" for the rows and the selection.
    virtual void updateFilterCommands() = 0;
};

}  // namespace sentrel::editing
