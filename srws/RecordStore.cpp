#include "srws/RecordStore.h"

#include "reporting/reportsdb/SqlIdentifier.h"
#include "srws/FittedRecord.h"

namespace sentrel::srws {

std::string RecordStore::quoted(std::string_view name) {
    return reportsdb::quotedIdentifier(name);
}

std::string RecordStore::insertStatement(const std::string& view, const FittedRecord& record) {
    std::string columns;
    std::string placeholders;
    for (const std::string& column : record.columns) {
        columns += (columns.empty() ? "" : ", ") + quoted(column);
        placeholders += placeholders.empty() ? "?" : ", ?";
    }
    return "INSERT INTO " + view + " (" + columns + ") VALUES (" + placeholders + ')';
}

std::string RecordStore::whereClause(const std::string& table, const char* column) {
    return table + " WHERE " + quoted(column) + " = ?";
}

}  // namespace sentrel::srws
