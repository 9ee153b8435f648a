#pragma once

#include <QString>

namespace sentrel::doc {
class FilterElement;
}

namespace sentrel::editing {

// The value field of a filter's merge record: the value to set alone for a user-agent
// filter, else value to set, "|", the filter kind in decimal, "|" and the data field.
QString filterMergeValue(const doc::FilterElement& filter);

}  // namespace sentrel::editing
