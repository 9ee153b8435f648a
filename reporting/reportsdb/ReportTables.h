#pragma once

#include <span>

namespace sentrel::reportsdb {

// How long connecting and each statement may take before the driver gives up.
constexpr int kTimeoutSeconds = 30;

// The two kinds of reports database: a database file (SQLite) or a database server
// (PostgreSQL).
enum class DatabaseKind { File, Server };

// Column types in one vocabulary for both kinds; each dialect writes them in its own SQL.
enum class ColumnKind { Identity, DateTime, Integer, Double, Byte, Text, FixedText, Memo, Numeric };
constexpr int kColumnKinds = 9;

struct ColumnType {
    ColumnKind kind;
    int length = 0;  // characters, for Text and FixedText
};

// One column of a report table. The reports web service inserts through the table's view,
// which shows every column but the key under a short name; the file kind's view keeps a
// few names in another letter case (`fileViewName`).
struct ReportColumn {
    const char* name;
    ColumnType fileType;
    ColumnType serverType;
    const char* viewName;                // nullptr for the key column, which the view leaves out
    const char* fileViewName = nullptr;  // the file kind's view name when it differs

    bool isKey() const { return viewName == nullptr; }
    ColumnType typeFor(DatabaseKind kind) const {
        return kind == DatabaseKind::File ? fileType : serverType;
    }
    // The column's name in the view of a database of the given kind.
    const char* viewNameFor(DatabaseKind kind) const {
        return kind == DatabaseKind::File && fileViewName ? fileViewName : viewName;
    }
};

// One report table with its view. The names are the reports web service's contract.
struct ReportTable {
    const char* name;     // "SNSTATS"
    const char* view;     // "SNS"
    const char* keyName;  // primary key constraint on the server kind: "PK_SNSTATS"
    std::span<const ReportColumn> columns;  // in creation order, the key first

    const ReportColumn& key() const { return columns.front(); }
};

// SNSTATS (view SNS), SNPLT (view PLT) and BrowserErrors (view BROWERR), in this order.
std::span<const ReportTable> reportTables();

}  // namespace sentrel::reportsdb
