#include "editing/FilterMergeValue.h"

#include "document/merge/FilterValueField.h"

namespace sentrel::editing {

QString filterMergeValue(const doc::FilterElement& filter) {
    return doc::FilterValueField::pack(filter);
}

}  // namespace sentrel::editing
