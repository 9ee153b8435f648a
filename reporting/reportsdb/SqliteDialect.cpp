#include "reporting/reportsdb/SqliteDialect.h"

#include <QStringList>

namespace sentrel::reportsdb {

QString SqliteDialect::columnDefinition(const ReportColumn& column) const {
    const ColumnType type = column.fileType;
    switch (type.kind) {
        case ColumnKind::Identity:
            return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
        case ColumnKind::DateTime:
            return QStringLiteral("DATETIME");
        case ColumnKind::Integer:
            return QStringLiteral("INTEGER");
        case ColumnKind::Double:
            return QStringLiteral("DOUBLE");
        case ColumnKind::Byte:
            return QStringLiteral("TINYINT");
        case ColumnKind::Text:
            return QStringLiteral("TEXT(%1)").arg(type.length);
        case ColumnKind::FixedText:
            return QStringLiteral("CHAR(%1)").arg(type.length);
        case ColumnKind::Memo:
            return QStringLiteral("TEXT");
        case ColumnKind::Numeric:
            return QStringLiteral("NUMERIC(18,0)");
    }
    return QString();
}

QString SqliteDialect::createInsertTrigger(const ReportTable& table) const {
    QStringList columns;
    QStringList values;
    for (const ReportColumn& column : table.columns) {
        if (column.isKey()) continue;
        columns << quote(QString::fromLatin1(column.name));
        values << QStringLiteral("NEW.") + quote(QString::fromLatin1(column.viewNameFor(kind())));
    }
    const QString view = QString::fromLatin1(table.view);
    return QStringLiteral("CREATE TRIGGER ") + quote(view + QStringLiteral("_insert")) +
           QStringLiteral(" INSTEAD OF INSERT ON ") + qualified(view) +
           QStringLiteral(" BEGIN INSERT INTO ") + qualified(QString::fromLatin1(table.name)) +
           QStringLiteral(" (") + columns.join(QStringLiteral(", ")) +
           QStringLiteral(") VALUES (") + values.join(QStringLiteral(", ")) +
           QStringLiteral("); END");
}

QList<Statement> SqliteDialect::initialisation(SQLConnection&) const {
    QList<Statement> statements = recreation({});
    for (const ReportTable& table : reportTables()) {
        statements << Statement{createInsertTrigger(table)};
    }
    return statements;
}

}  // namespace sentrel::reportsdb
