#include "RecordRoundTrip.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QStringList>

namespace sentrel::test {

using namespace reportsdb;

namespace {

// A value of the column's type that no other column of the table gets.
QVariant sampleValue(ColumnType type, int index) {
    switch (type.kind) {
        case ColumnKind::DateTime:
            return QDateTime(QDate(2026, 1, 2), QTime(3, 4, index % 60));
        case ColumnKind::Integer:
        case ColumnKind::Byte:
            return index;
        case ColumnKind::Double:
            return index + 0.5;
        case ColumnKind::Numeric:
            return 123456789000.0 + index;
        default:  // texts: at most two characters, so that every length takes them
            return QString::number(index, 36);
    }
}

bool same(const QVariant& stored, const QVariant& expected, ColumnType type) {
    if (type.kind == ColumnKind::DateTime) return stored.toDateTime() == expected.toDateTime();
    if (type.kind == ColumnKind::Double || type.kind == ColumnKind::Numeric) {
        return stored.toDouble() == expected.toDouble();
    }
    return stored.toString().trimmed() == expected.toString();
}

}  // namespace

QList<int> expectEveryViewColumnLands(SQLConnection& connection, const SqlDialect& dialect) {
    QList<int> written;
    for (const ReportTable& table : reportTables()) {
        QStringList viewColumns;
        QStringList placeholders;
        QVariantList values;
        for (int index = 1; index < int(table.columns.size()); ++index) {
            const ReportColumn& column = table.columns[index];
            viewColumns << SqlDialect::quote(column.viewNameFor(dialect.kind()));
            placeholders << QStringLiteral("?");
            values << sampleValue(column.typeFor(dialect.kind()), index);
        }
        connection.Execute(
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(dialect.qualified(table.view), viewColumns.join(','), placeholders.join(',')),
            values);
        written << viewColumns.size();
        for (int index = 1; index < int(table.columns.size()); ++index) {
            const ReportColumn& column = table.columns[index];
            const ColumnType type = column.typeFor(dialect.kind());
            const QStringList stored = connection.Query(
                QStringLiteral("SELECT %1 FROM %2")
                    .arg(SqlDialect::quote(column.name), dialect.qualified(table.name)));
            if (stored.size() != 1) {
                ADD_FAILURE() << table.name << ": " << stored.size() << " records";
                continue;
            }
            EXPECT_TRUE(same(stored.front(), values[index - 1], type))
                << table.name << "." << column.name << ": " << stored.front().toStdString();
        }
    }
    return written;
}

}  // namespace sentrel::test
