#include "editing/FilterRowCells.h"

#include "document/FiltersArray.h"
#include "document/Vocabulary.h"
#include "shell/AppError.h"

namespace sentrel::editing {

namespace {

// The filter's field, or "" for a field its document's structure does not have yet.
QString fieldText(const doc::FilterElement& filter, const QString& field) {
    try {
        return filter.text(field);
    } catch (const AppError&) {
        return {};
    }
}

}  // namespace

QStringList filterRowCells(const doc::FilterElement& filter) {
    QString display;
    const QString kind =
        mainMod::filterKindNames(fieldText(filter, QStringLiteral("filterType")).toInt(), display);
    return {filter.text(QStringLiteral("propToSet")),
            filter.text(QStringLiteral("matchStr")),
            filter.text(QStringLiteral("valToSet")),
            filter.text(QStringLiteral("priority")),
            kind,
            fieldText(filter, QStringLiteral("DataField"))};
}

}  // namespace sentrel::editing
