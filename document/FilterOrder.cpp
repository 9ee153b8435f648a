#include "document/FilterOrder.h"

#include <QList>
#include <QVariant>
#include <algorithm>
#include <numeric>

#include "document/Document.h"
#include "shell/AppError.h"

namespace sentrel::doc::filter_order {

namespace {

// The fields of one filter, by name, as stored.
using FilterRow = QList<std::pair<QString, QVariant>>;

QStringList carriedFields(Document& document) {
    QStringList fields{QStringLiteral("propToSet"), QStringLiteral("matchStr"),
                       QStringLiteral("valToSet"), QStringLiteral("priority"),
                       QStringLiteral("uId")};
    if (internals::BDFStructure(document) >= 3)
        fields << QStringLiteral("filterType") << QStringLiteral("DataField");
    return fields;
}

QList<FilterRow> readRows(const FiltersArray& filters, const QStringList& fields) {
    QList<FilterRow> rows;
    for (int i = 0; i < filters.Count(); ++i) {
        FilterRow row;
        for (const QString& field : fields) row.append({field, filters[i].get(field)});
        rows.append(row);
    }
    return rows;
}

void writeRows(FiltersArray& filters, const QList<FilterRow>& rows) {
    filters.RemoveAll();
    for (const FilterRow& row : rows) {
        FilterElement& element = filters[filters.Add()];
        for (const auto& [field, value] : row) element.set(field, value);
    }
}

}  // namespace

std::vector<int> byPriority(const FiltersArray& filters) {
    std::vector<int> positions(static_cast<size_t>(filters.Count()));
    std::iota(positions.begin(), positions.end(), 0);
    std::vector<int> priorities;
    priorities.reserve(positions.size());
    for (int i = 0; i < filters.Count(); ++i) {
        priorities.push_back(filters[i].number(QStringLiteral("priority")));
    }
    std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) {
        return priorities[static_cast<size_t>(a)] < priorities[static_cast<size_t>(b)];
    });
    return positions;
}

void sortByPriority(Document& document) {
    FiltersArray& filters = document.FiltersArray();
    const QList<FilterRow> stored = readRows(filters, carriedFields(document));
    QList<FilterRow> sorted;
    sorted.reserve(stored.size());
    for (int position : byPriority(filters)) sorted.append(stored[position]);
    try {
        writeRows(filters, sorted);
    } catch (const AppError&) {
        writeRows(filters, stored);  // the filters as they were
        throw;
    }
}

}  // namespace sentrel::doc::filter_order
