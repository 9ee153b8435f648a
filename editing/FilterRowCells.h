#pragma once

#include <QStringList>

namespace sentrel::doc {
class FilterElement;
}

namespace sentrel::editing {

// The cells of a filter's row in the filter list: property, condition, value to set,
// priority, the kind's short code ("UA", "Cookie", "ENV", "Cert") and the data field.
QStringList filterRowCells(const doc::FilterElement& filter);

}  // namespace sentrel::editing
