#include "srws/ReportsWriter.h"

#include "reporting/reportsdb/SqlDialect.h"
#include "srws/FittedRecord.h"

namespace sentrel::srws {

using reportsdb::ReportTable;
using reportsdb::SqlDialect;

ReportsWriter::ReportsWriter(const reportsdb::ReportsDbSettings& settings)
    : settings_(settings), database_(settings), dialect_(database_.dialect()) {}

ReportsWriter::~ReportsWriter() = default;

void ReportsWriter::connect() {
    database_.OpenExisting(connection_);
    // In WAL mode "NORMAL" syncs the journal at checkpoints instead of at every commit: a
    // record can only be lost when the machine itself fails, never the file's consistency,
    // and a request no longer waits for the disk.
    if (settings_.kind == reportsdb::DatabaseKind::File)
        connection_.Execute(QStringLiteral("PRAGMA synchronous=NORMAL"));
}

void ReportsWriter::insert(const ReportTable& table, const FittedRecord& record) {
    connection_.Execute(insertStatement(*dialect_, table, record), record.values);
}

QString ReportsWriter::whereClause(const ReportTable& table, const char* column) const {
    return dialect_->qualified(QString::fromLatin1(table.name)) + QStringLiteral(" WHERE ") +
           SqlDialect::quote(QString::fromLatin1(column)) + QStringLiteral(" = ?");
}

int ReportsWriter::countRows(const ReportTable& table, const char* column, const QString& value) {
    const QStringList rows = connection_.Query(
        QStringLiteral("SELECT COUNT(*) FROM ") + whereClause(table, column), {value});
    return rows.isEmpty() ? 0 : rows.first().toInt();
}

void ReportsWriter::deleteRows(const ReportTable& table, const char* column, const QString& value) {
    connection_.Execute(QStringLiteral("DELETE FROM ") + whereClause(table, column), {value});
}

}  // namespace sentrel::srws
