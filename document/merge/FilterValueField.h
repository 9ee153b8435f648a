#pragma once

#include <QString>

namespace sentrel::doc {

class FilterElement;

// The value field of a filter's merge record: the value to set alone for a user-agent
// filter (kind 0), else value, "|", the kind (1 to 3), "|" and the data field.
struct FilterValueField {
    QString value;
    int kind = 0;
    QString data;

    bool operator==(const FilterValueField&) const = default;

    // Reads a packed value field. A field holding "|1|", "|2|" or "|3|" exactly once is the
    // packed form; none of them, a user-agent value. More than one of them can be read in
    // more than one way: answers false.
    static bool unpack(const QString& field, FilterValueField* values);
    // The packed value field of a stored filter (a filter of a structure before kinds
    // existed is a user-agent filter).
    static QString pack(const FilterElement& filter);
};

}  // namespace sentrel::doc
