#pragma once

#include "reporting/reportsdb/SqlDialect.h"

namespace sentrel::reportsdb {

// The report tables on a PostgreSQL server, in the schema named by the table owner (created
// when missing). The keys are added as named primary-key constraints after the tables; the
// views are simple views, which PostgreSQL lets the reports web service insert through.
class PostgresDialect : public SqlDialect {
  public:
    explicit PostgresDialect(const QString& owner) : SqlDialect(owner), owner_(owner) {}

    DatabaseKind kind() const override { return DatabaseKind::Server; }
    QList<Statement> initialisation(SQLConnection& connection) const override;

    QString addPrimaryKey(const ReportTable& table) const;

  protected:
    const TypeNames& typeNames() const override;
    QString testBrowser() const override { return QStringLiteral("Test Record"); }

  private:
    QString owner_;
};

}  // namespace sentrel::reportsdb
