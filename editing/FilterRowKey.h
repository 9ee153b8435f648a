#pragma once

#include <QString>

#include "document/FiltersArray.h"

namespace sentrel::editing {

// The key of a filter's row in the filter list: "K" and the filter's unique id in decimal
// digits without leading zeros.
inline QString filterRowKey(int uId) {
    return QStringLiteral("K") + QString::number(uId);
}

// The unique id a row key stands for: the digits after the leading "K" read as a whole
// number; false when the key has no such digits.
inline bool uIdFromRowKey(const QString& key, int* uId) {
    if (!key.startsWith(QLatin1Char('K'))) return false;
    bool ok = false;
    *uId = key.mid(1).toInt(&ok);
    return ok;
}

// The index of the filter a row key stands for, or -1 when no filter has its unique id.
inline int filterIndexOfRowKey(const doc::FiltersArray& filters, const QString& key) {
    int uId = 0;
    if (!uIdFromRowKey(key, &uId)) return -1;
    for (int i = 0; i < filters.Count(); ++i) {
        if (filters[i].number(QStringLiteral("uId")) == uId) return i;
    }
    return -1;
}

}  // namespace sentrel::editing
