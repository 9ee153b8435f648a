#include "document/StringArray.h"

#include "document/Document.h"
#include "document/DocumentError.h"

namespace sentrel::doc {

int StringArray::Add() {
    items_.append(QString());
    return Count();
}

int StringArray::checkedIndex(int index) const {
    if (index < 1 || index > Count()) {
        raiseDocumentError(kErrBadIndex,
                           QStringLiteral("There is no element %1 (the array holds %2, from 1).")
                               .arg(index)
                               .arg(Count()));
    }
    return index - 1;
}

QString StringArray::item(int index) const {
    return items_.at(checkedIndex(index));
}

void StringArray::setItem(int index, const QString& value) {
    items_[checkedIndex(index)] = value;
}

void StringArray::Remove(int index) {
    items_.removeAt(checkedIndex(index));
}

}  // namespace sentrel::doc
