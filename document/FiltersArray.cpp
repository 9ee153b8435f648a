#include "document/FiltersArray.h"

#include <cmath>
#include <limits>

#include "document/Document.h"
#include "document/DocumentError.h"
#include "document/TypeObject.h"

namespace sentrel::doc {

namespace {

bool isIntegerType(const QString& dataType) {
    return dataType.compare(QLatin1String("integer"), Qt::CaseInsensitive) == 0;
}

[[noreturn]] void raiseNotANumber(const QString& field, const QString& text) {
    raiseDocumentError(
        kErrTypeMismatch,
        QStringLiteral("The field \"%1\" takes a whole number, not \"%2\".").arg(field, text));
}

// The canonical text of a value stored in an integer field: decimal digits, or "" for empty.
// Fractions round to the nearest whole number; text that is no number is refused.
QString integerText(const QString& field, const QVariant& value) {
    const QString text = value.toString().trimmed();
    if (text.isEmpty()) return QString();
    bool ok = false;
    const qlonglong whole = text.toLongLong(&ok);
    double number = static_cast<double>(whole);
    if (!ok) number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number)) raiseNotANumber(field, text);
    number = std::nearbyint(number);
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) {
        raiseNotANumber(field, text);
    }
    return QString::number(static_cast<int>(number));
}

}  // namespace

QVariant FilterElement::get(const QString& field) const {
    const QString dataType = elementType_->GetPropertyType(field);
    const QString stored = values_.value(field.toLower());
    if (isIntegerType(dataType)) return stored.toInt();
    return stored.isNull() ? QStringLiteral("") : stored;
}

void FilterElement::set(const QString& field, const QVariant& value) {
    const QString dataType = elementType_->GetPropertyType(field);
    const QString stored = isIntegerType(dataType) ? integerText(field, value) : value.toString();
    values_.insert(field.toLower(), stored);
}

QList<QVariantList> FiltersArray::valuearray() const {
    const QStringList fields = elementType_->enumerate();
    QList<QVariantList> rows;
    rows.reserve(Count());
    for (const FilterElement& element : elements_) {
        QVariantList row;
        row.reserve(fields.size());
        for (const QString& field : fields) row.append(element.get(field));
        rows.append(row);
    }
    return rows;
}

int FiltersArray::Add() {
    elements_.push_back(FilterElement(elementType_));
    return Count() - 1;
}

FilterElement& FiltersArray::operator[](int index) {
    return const_cast<FilterElement&>(std::as_const(*this)[index]);
}

const FilterElement& FiltersArray::operator[](int index) const {
    if (index < 0 || index >= Count()) {
        raiseDocumentError(kErrBadIndex, QStringLiteral("There is no filter at index %1 (the "
                                                        "collection holds %2).")
                                             .arg(index)
                                             .arg(Count()));
    }
    return elements_[static_cast<size_t>(index)];
}

void FiltersArray::Remove(int index) {
    (void)(*this)[index];
    elements_.erase(elements_.begin() + index);
}

}  // namespace sentrel::doc
