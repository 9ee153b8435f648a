#include "reporting/reportsdb/SqlDialect.h"

#include <QStringList>

#include "reporting/reportsdb/SqlIdentifier.h"

namespace sentrel::reportsdb {

namespace {

QString latin(const char* text) {
    return QString::fromLatin1(text);
}

const ReportColumn& columnNamed(const ReportTable& table, const char* name) {
    for (const ReportColumn& column : table.columns) {
        if (qstrcmp(column.name, name) == 0) return column;
    }
    return table.key();
}

}  // namespace

QString SqlDialect::quote(const QString& name) {
    return QString::fromStdString(quotedIdentifier(name.toStdString()));
}

QString SqlDialect::qualified(const QString& name) const {
    return owner_.isEmpty() ? quote(name) : quote(owner_) + QLatin1Char('.') + quote(name);
}

QString SqlDialect::columnDefinition(const ReportColumn& column) const {
    const ColumnType type = column.typeFor(kind());
    const QString sqlType = QString::fromLatin1(typeNames()[int(type.kind)]);
    return quote(latin(column.name)) + QLatin1Char(' ') +
           (type.length > 0 ? sqlType.arg(type.length) : sqlType);
}

QString SqlDialect::createTable(const ReportTable& table) const {
    QStringList definitions;
    for (const ReportColumn& column : table.columns) definitions << columnDefinition(column);
    return QStringLiteral("CREATE TABLE ") + qualified(latin(table.name)) + QStringLiteral(" (") +
           definitions.join(QLatin1Char(',')) + QLatin1Char(')');
}

QString SqlDialect::createView(const ReportTable& table) const {
    QStringList select;
    for (const ReportColumn& column : table.columns) {
        if (column.isKey()) continue;
        const QString name = latin(column.name);
        const QString viewName = latin(column.viewNameFor(kind()));
        select << (name == viewName ? quote(name)
                                    : quote(name) + QStringLiteral(" AS ") + quote(viewName));
    }
    return QStringLiteral("CREATE VIEW ") + qualified(latin(table.view)) +
           QStringLiteral(" AS SELECT ") + select.join(QStringLiteral(", ")) +
           QStringLiteral(" FROM ") + qualified(latin(table.name));
}

QString SqlDialect::dropTable(const ReportTable& table) const {
    return QStringLiteral("DROP TABLE IF EXISTS ") + qualified(latin(table.name));
}

QString SqlDialect::dropView(const ReportTable& table) const {
    return QStringLiteral("DROP VIEW IF EXISTS ") + qualified(latin(table.view));
}

QList<Statement> SqlDialect::recreation(const QStringList& keys) const {
    QList<Statement> statements;
    // A table cannot go while a view still uses it: views first.
    for (const ReportTable& table : reportTables()) statements << Statement{dropView(table)};
    for (const ReportTable& table : reportTables()) statements << Statement{dropTable(table)};
    for (const ReportTable& table : reportTables()) statements << Statement{createTable(table)};
    for (const QString& key : keys) statements << Statement{key};
    for (const ReportTable& table : reportTables()) statements << Statement{createView(table)};
    return statements;
}

QList<Statement> SqlDialect::tableTest() const {
    QList<Statement> statements;
    const struct {
        const ReportTable& table;
        const char* column;
        QString value;
    } records[] = {{reportTables()[0], "Browser", testBrowser()},
                   {reportTables()[1], "Hittype", QStringLiteral("sql-test")}};
    for (const auto& record : records) {
        const ReportColumn& column = columnNamed(record.table, record.column);
        statements << Statement{QStringLiteral("INSERT INTO ") +
                                    qualified(latin(record.table.view)) + QStringLiteral(" (") +
                                    quote(latin(column.viewNameFor(kind()))) +
                                    QStringLiteral(") VALUES (?)"),
                                {record.value}};
        statements << Statement{
            QStringLiteral("DELETE FROM ") + qualified(latin(record.table.name)) +
                QStringLiteral(" WHERE ") + quote(latin(column.name)) + QStringLiteral(" = ?"),
            {record.value}};
    }
    return statements;
}

}  // namespace sentrel::reportsdb
