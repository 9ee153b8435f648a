#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <vector>

namespace sentrel::doc {

class TypeObject;

// One element of the filter collection. Its fields are the parameters of the element
// type ("Filters"): `propToSet`, `matchStr`, `valToSet`, `priority`, `uId`, `filterType`,
// `DataField` from structure 3 on; field names are matched without regard to case.
class FilterElement {
  public:
    // The field's value converted by its declared data type: int for "integer" fields,
    // QString otherwise. Throws AppError for a field the element type does not have.
    QVariant get(const QString& field) const;
    QString text(const QString& field) const { return get(field).toString(); }
    int number(const QString& field) const { return get(field).toInt(); }
    void set(const QString& field, const QVariant& value);

  private:
    friend class FiltersArray;
    friend class Document;
    friend class DocumentReader;
    friend class DocumentWriter;
    explicit FilterElement(const TypeObject* elementType) : elementType_(elementType) {}

    const TypeObject* elementType_;
    QHash<QString, QString> values_;  // lower-cased field name -> value as stored
};

// The document's filter collection: an array of FilterElement in stored order.
// Indices count from 0.
class FiltersArray {
  public:
    // One row per filter, fields in the element type's declaration order.
    QList<QVariantList> valuearray() const;
    // Appends an empty element and returns its index.
    int Add();
    int Count() const { return static_cast<int>(elements_.size()); }
    // Throws AppError for an index out of range.
    FilterElement& operator[](int index);
    const FilterElement& operator[](int index) const;
    void Remove(int index);
    void RemoveAll() { elements_.clear(); }

  private:
    friend class Document;
    friend class DocumentWriter;
    explicit FiltersArray(const TypeObject* elementType) : elementType_(elementType) {}

    const TypeObject* elementType_;
    std::vector<FilterElement> elements_;
};

}  // namespace sentrel::doc
