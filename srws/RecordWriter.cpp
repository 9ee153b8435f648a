#include "srws/RecordWriter.h"

#include <QStringList>

#include "reporting/reportsdb/SqlDialect.h"
#include "srws/FittedRecord.h"
#include "srws/ReportsWriter.h"
#include "srws/SqliteRecordWriter.h"

namespace sentrel::srws {

std::unique_ptr<RecordWriter> RecordWriter::open(const reportsdb::ReportsDbSettings& settings) {
    if (settings.kind == reportsdb::DatabaseKind::File)
        return std::make_unique<SqliteRecordWriter>(settings.filePath);
    auto writer = std::make_unique<ReportsWriter>(settings);
    writer->connect();
    return writer;
}

QString RecordWriter::insertStatement(const reportsdb::SqlDialect& dialect,
                                      const reportsdb::ReportTable& table,
                                      const FittedRecord& record) {
    QStringList columns;
    for (const QString& column : record.columns) columns << reportsdb::SqlDialect::quote(column);
    const QStringList placeholders(record.columns.size(), QStringLiteral("?"));
    return QStringLiteral("INSERT INTO ") + dialect.qualified(QString::fromLatin1(table.view)) +
           QStringLiteral(" (") + columns.join(QStringLiteral(", ")) +
           QStringLiteral(") VALUES (") + placeholders.join(QStringLiteral(", ")) +
           QLatin1Char(')');
}

}  // namespace sentrel::srws
