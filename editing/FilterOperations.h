#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <functional>

namespace sentrel::doc {
class FilterElement;
class FiltersArray;
}  // namespace sentrel::doc

namespace sentrel::editing {

class EditHost;
class FilterOperationsView;

// The open file's flags the filter operations keep: whether the filters must be sorted
// before the next save, export or test, and whether the filter dialog's property list must
// be rebuilt before its next use.
struct FilterFlags {
    bool& filtersUnsorted;
    bool& filterDialogStale;
};

// Adding, changing and removing filters through the filter dialog. Each change is written to
// the document together with its merge record (the value field packs kind and data field), or
// not at all, shown in the filter list and ends with the host's markModified. A new or
// re-prioritised filter asks for the filters to be sorted before they are next written out.
class FilterOperations {
  public:
    // Draws a candidate unique id from 1 to 99999999.
    using IdSource = std::function<int()>;

    FilterOperations(EditHost& host, FilterOperationsView& view, FilterFlags flags);

    // Replaces the random source of unique ids (tests).
    void setIdSource(IdSource source) { drawId_ = std::move(source); }

    void addFilter();
    // Changes the filter of a row (key "K" + unique id) through the dialog.
    void changeFilter(const QString& rowKey);
    // Removes the selected rows' filters, asking first when there is more than one.
    void removeFilters();
    // Removes the filter of a row; a key no filter has is reported.
    void removeFilter(const QString& rowKey);

    // Rebuilds the dialog's property list from the document when it is stale.
    void UpdateFilterPropertyList();

  private:
    bool runFilterForm(const QVariantMap& fields, QVariantMap* result);
    void store(doc::FilterElement& filter, const QVariantMap& form) const;
    int freshUId(const doc::FiltersArray& filters) const;
    void writeMergeRecord(int code, const doc::FilterElement& filter);
    QString valueFor(const QVariantMap& form) const;

    EditHost& host_;
    FilterOperationsView& view_;
    FilterFlags flags_;
    IdSource drawId_;
    // The dialog keeps its contents between uses, the property list included.
    QVariantMap form_;
};

}  // namespace sentrel::editing
