#include "editor/lifecycle/FilterSort.h"

#include <QList>
#include <QVariantList>
#include <algorithm>

#include "document/Document.h"
#include "editor/lifecycle/LifecycleView.h"
#include "shell/AppError.h"

namespace sentrel::lifecycle {

namespace {

const QString kStatus = QStringLiteral("Status");

// The fields of one filter, by name, as stored.
struct FilterRow {
    double priority = 0;
    QList<std::pair<QString, QVariant>> fields;
};

QStringList carriedFields(doc::Document& document) {
    QStringList fields{QStringLiteral("propToSet"), QStringLiteral("matchStr"),
                       QStringLiteral("valToSet"), QStringLiteral("priority"),
                       QStringLiteral("uId")};
    if (doc::internals::BDFStructure(document) >= 3)
        fields << QStringLiteral("filterType") << QStringLiteral("DataField");
    return fields;
}

QList<FilterRow> readRows(doc::FiltersArray& filters, const QStringList& fields) {
    QList<FilterRow> rows;
    for (int i = 0; i < filters.Count(); ++i) {
        FilterRow row;
        for (const QString& field : fields) row.fields.append({field, filters[i].get(field)});
        row.priority = filters[i].get(QStringLiteral("priority")).toDouble();
        rows.append(row);
    }
    return rows;
}

void writeRows(doc::FiltersArray& filters, const QList<FilterRow>& rows) {
    filters.RemoveAll();
    for (const FilterRow& row : rows) {
        doc::FilterElement& element = filters[filters.Add()];
        for (const auto& [field, value] : row.fields) element.set(field, value);
    }
}

}  // namespace

bool sortFilters(doc::Document& document, bool& filtersUnsorted, LifecycleView& view) {
    if (!filtersUnsorted) return true;
    view.setStatusText(kStatus, QStringLiteral("Sorting filters..."));
    QList<FilterRow> stored;
    try {
        doc::FiltersArray& filters = document.FiltersArray();
        stored = readRows(filters, carriedFields(document));
        QList<FilterRow> rows = stored;
        std::stable_sort(rows.begin(), rows.end(), [](const FilterRow& a, const FilterRow& b) {
            return a.priority < b.priority;
        });
        try {
            writeRows(filters, rows);
        } catch (const AppError&) {
            writeRows(filters, stored);  // the filters as they were
            throw;
        }
    } catch (const AppError& error) {
        view.setStatusText(kStatus, QStringLiteral("Error ") + QString::number(error.number()) +
                                        QStringLiteral(" trying to sort filters."));
        return false;
    }
    filtersUnsorted = false;
    view.setStatusText(kStatus, QString());
    return true;
}

}  // namespace sentrel::lifecycle
