#pragma once

#include <QList>
#include <QString>
#include <QVariantList>
#include <array>

#include "reporting/reportsdb/ReportTables.h"

namespace sentrel::reportsdb {

class SQLConnection;

// One SQL statement with the values bound to its "?" placeholders.
struct Statement {
    QString sql;
    QVariantList values = {};

    bool operator==(const Statement&) const = default;
};

// The SQL of the report tables in one database's dialect. Identifiers are always quoted in
// their exact case, with embedded quotes doubled ("a""b"); values are always bound. The
// statements common to both dialects are built here from the column tables; each dialect
// adds its own types and its own way to make the views insertable.
class SqlDialect {
  public:
    // `owner`: the schema that holds the tables and views; empty: names stay unqualified.
    explicit SqlDialect(QString owner = QString()) : owner_(std::move(owner)) {}
    virtual ~SqlDialect() = default;

    virtual DatabaseKind kind() const = 0;
    // The statements that (re)create the three tables and views, in order. They drop only
    // the six objects (views before tables) and may create the owner's schema; `connection`
    // is asked whether that schema exists.
    virtual QList<Statement> initialisation(SQLConnection& connection) const = 0;
    // The table test: a record inserted through the SNS and PLT views and deleted again
    // through their tables.
    QList<Statement> tableTest() const;

    // "name" quoted and escaped.
    static QString quote(const QString& name);
    // The owner-qualified, quoted name of a table or view.
    QString qualified(const QString& name) const;

    QString createTable(const ReportTable& table) const;
    QString createView(const ReportTable& table) const;
    QString dropTable(const ReportTable& table) const;
    QString dropView(const ReportTable& table) const;

    // The column's name and SQL type in this dialect.
    QString columnDefinition(const ReportColumn& column) const;

  protected:
    // The SQL type of each ColumnKind, in the enumeration's order; "%1" stands for the
    // length.
    using TypeNames = std::array<const char*, kColumnKinds>;
    virtual const TypeNames& typeNames() const = 0;
    // The value of the test record's SNS column "brow".
    virtual QString testBrowser() const = 0;
    // The drops, then the tables, then `keys` (empty when the tables define their own),
    // then the views, as one list.
    QList<Statement> recreation(const QStringList& keys) const;

  private:
    QString owner_;
};

}  // namespace sentrel::reportsdb
