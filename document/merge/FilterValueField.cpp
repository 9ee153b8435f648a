#include "document/merge/FilterValueField.h"

#include <QList>

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

}  // namespace sentrel::doc
