#include "document/merge/FilterValueField.h"

#include <QList>

#include "document/FiltersArray.h"
#include "shell/AppError.h"

namespace sentrel::doc {

namespace {

// Every place a "|kind|" separator starts, overlapping ones included.
QList<qsizetype> kindSeparators(const QString& field) {
    QList<qsizetype> found;
    for (qsizetype at = 0; at + 2 < field.size(); ++at) {
        const QChar kind = field[at + 1];
        if (field[at] == u'|' && field[at + 2] == u'|' && kind >= u'1' && kind <= u'3') {
            found.append(at);
        }
    }
    return found;
}

}  // namespace

bool FilterValueField::unpack(const QString& field, FilterValueField* values) {
    const QList<qsizetype> separators = kindSeparators(field);
    if (separators.size() > 1) return false;
    if (separators.isEmpty()) {
        *values = {field, 0, {}};
        return true;
    }
    const qsizetype at = separators.first();
    *values = {field.left(at), field[at + 1].digitValue(), field.mid(at + 3)};
    return true;
}

QString FilterValueField::pack(const FilterElement& filter) {
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

}  // namespace sentrel::doc
