#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <variant>
#include <vector>

#include "reporting/reportsdb/ReportTables.h"
#include "srws/FormFields.h"

namespace sentrel::srws {

// One value to bind: NULL, a whole number, a number or a text.
using FieldValue = std::variant<std::monostate, std::int64_t, double, std::string>;

// A record ready for its view: the view's column names and the values to bind, fitted to
// the columns, and a note for every value that had to be changed beyond cutting.
struct FittedRecord {
    std::vector<std::string> columns;  // view names as the view of the database's kind spells them
    std::vector<FieldValue> values;    // in the order of `columns`
    std::vector<std::string> notes;    // for the service's log

    // Matches the request's fields to the table's view columns by name without regard to
    // case (the last of several fields of one name counts; unknown names are ignored) and
    // fits each value to its column in a database of `kind`:
    //  - text is cut to the column's length in characters;
    //  - number columns take "True"/"False" (any case) as 1/0, an empty value as NULL, a
    //    number (whole-number columns round a fraction, noted); anything else, or a number
    //    the column cannot hold, is stored as NULL and noted;
    //  - the date column takes ISO 8601 dates (a time and offset optional), stored as local
    //    time "yyyy-MM-ddTHH:mm:ss"; anything else is noted and replaced by `receivedAt`.
    // `lu` is `receivedAt` when the request has none.
    static FittedRecord fit(const reportsdb::ReportTable& table, reportsdb::DatabaseKind kind,
                            const FormFields& fields, std::time_t receivedAt);
};

}  // namespace sentrel::srws
