#include "editing/FilterMergeValue.h"

#include "document/FiltersArray.h"
#include "shell/AppError.h"

namespace sentrel::editing {

QString filterMergeValue(const doc::FilterElement& filter) {
    const QString value = filter.text(QStringLiteral("valToSet"));
    int kind = 0;
    QString dataField;
    try {
        kind = filter.number(QStringLiteral("filterType"));
        dataField = filter.text(QStringLiteral("DataField"));
    } catch (const AppError&) {
        return value;  // a filter of an older structure: user-agent filters only
    }
    if (kind == 0) return value;
    return value + QLatin1Char('|') + QString::number(kind) + QLatin1Char('|') + dataField;
}

}  // namespace sentrel::editing
