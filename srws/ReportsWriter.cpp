#include "srws/ReportsWriter.h"

#include "reporting/reportsdb/SqlDialect.h"
#include "srws/FittedRecord.h"

namespace sentrel::srws {

using reportsdb::ReportTable;
using reportsdb::SqlDialect;

ReportsWriter::ReportsWriter(const reportsdb::ReportsDbSettings& settings)
    : database_(settings), dialect_(database_.dialect()) {}

ReportsWriter::~ReportsWriter() = default;

void ReportsWriter::connect() {
    database_.OpenExisting(connection_);
}

void ReportsWriter::insert(const ReportTable& table, const FittedRecord& record) {
    QStringList columns;
    for (const QString& column : record.columns) columns << SqlDialect::quote(column);
    QStringList placeholders(record.columns.size(), QStringLiteral("?"));
    connection_.Execute(QStringLiteral("INSERT INTO ") +
                            dialect_->qualified(QString::fromLatin1(table.view)) +
                            QStringLiteral(" (") + columns.join(QStringLiteral(", ")) +
                            QStringLiteral(") VALUES (") + placeholders.join(QStringLiteral(", ")) +
                            QLatin1Char(')'),
                        record.values);
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
