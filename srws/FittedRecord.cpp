#include "srws/FittedRecord.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "srws/LocalTime.h"
#include "srws/Text.h"

namespace sentrel::srws {

namespace {

using reportsdb::ColumnKind;
using reportsdb::ColumnType;
using reportsdb::ReportColumn;

// The whole numbers a column can hold (the smallest range of both database kinds).
struct Range {
    double low;
    double high;
};

Range rangeOf(ColumnKind kind) {
    switch (kind) {
        case ColumnKind::Byte:
            return {-32768, 32767};
        case ColumnKind::Numeric:
            return {-999999999999999999.0, 999999999999999999.0};
        default:
            return {double(std::numeric_limits<std::int32_t>::min()),
                    double(std::numeric_limits<std::int32_t>::max())};
    }
}

// A decimal number as written by people and scripts: an optional sign, digits with an
// optional point, an optional exponent.
std::optional<double> numberIn(std::string_view text) {
    text = trimmed(text);
    if (equalIgnoringAsciiCase(text, "true")) return 1.0;
    if (equalIgnoringAsciiCase(text, "false")) return 0.0;
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(number))
        return std::nullopt;
    return number;
}

// Fits one value to its column; a note explains a value that could not be kept.
class ColumnFitter {
  public:
    ColumnFitter(const ReportColumn& column, const std::string& viewName, ColumnType type,
                 std::vector<std::string>& notes)
        : column_(column), viewName_(viewName), type_(type), notes_(notes) {}

    FieldValue fit(const std::string& value, std::time_t receivedAt) const {
        switch (type_.kind) {
            case ColumnKind::Text:
            case ColumnKind::FixedText:
            case ColumnKind::Memo:
                return type_.length > 0
                           ? std::string(firstCharacters(value, std::size_t(type_.length)))
                           : value;
            case ColumnKind::DateTime:
                return date(value, receivedAt);
            case ColumnKind::Double:
                return number(value, false);
            default:
                return number(value, true);
        }
    }

  private:
    void note(const std::string& value, const std::string& outcome) const {
        notes_.push_back("value \"" + std::string(firstCharacters(value, 100)) + "\" of field \"" +
                         viewName_ + "\" (column " + column_.name + "): " + outcome);
    }

    FieldValue number(const std::string& value, bool whole) const {
        if (trimmed(value).empty()) return {};
        const std::optional<double> parsed = numberIn(value);
        if (!parsed) {
            note(value, "not a number, stored as NULL");
            return {};
        }
        if (!whole) return *parsed;
        const double rounded = std::round(*parsed);
        const Range range = rangeOf(type_.kind);
        if (rounded < range.low || rounded > range.high) {
            note(value, "out of the column's range, stored as NULL");
            return {};
        }
        if (rounded != *parsed) note(value, "rounded to " + std::to_string(std::int64_t(rounded)));
        return std::int64_t(rounded);
    }

    FieldValue date(const std::string& value, std::time_t receivedAt) const {
        std::optional<std::time_t> parsed = parseIsoDate(trimmed(value));
        if (!parsed) {
            note(value, "not an ISO 8601 date, the time of the request stored");
            parsed = receivedAt;
        }
        return localTimeText(*parsed);
    }

    const ReportColumn& column_;
    const std::string& viewName_;
    ColumnType type_;
    std::vector<std::string>& notes_;
};

}  // namespace

FittedRecord FittedRecord::fit(const reportsdb::ReportTable& table, reportsdb::DatabaseKind kind,
                               const FormFields& fields, std::time_t receivedAt) {
    FittedRecord record;
    for (const ReportColumn& column : table.columns) {
        if (column.isKey()) continue;
        const std::string viewName = column.viewNameFor(kind);
        const std::string* value = fields.find(viewName);
        const bool isLastUpdate = std::strcmp(column.viewName, "lu") == 0;
        if (!value && !isLastUpdate) continue;
        const ColumnFitter fitter(column, viewName, column.typeFor(kind), record.notes);
        record.columns.push_back(viewName);
        record.values.push_back(value ? fitter.fit(*value, receivedAt)
                                      : FieldValue(localTimeText(receivedAt)));
    }
    return record;
}

}  // namespace sentrel::srws
