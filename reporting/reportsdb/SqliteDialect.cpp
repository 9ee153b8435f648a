#include "reporting/reportsdb/SqliteDialect.h"

#include <QStringList>

namespace sentrel::reportsdb {

const SqlDialect::TypeNames& SqliteDialect::typeNames() const {
    // Access's types, written so that SQLite gives each the matching affinity; memo
    // columns are plain TEXT.
    static const TypeNames names = {"INTEGER PRIMARY KEY AUTOINCREMENT",
                                    "DATETIME",
                                    "INTEGER",
                                    "DOUBLE",
                                    "TINYINT",
                                    "TEXT(%1)",
                                    "CHAR(%1)",
                                    "TEXT",
                                    "NUMERIC(18,0)"};
    return names;
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
