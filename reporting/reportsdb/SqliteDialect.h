#pragma once

#include "reporting/reportsdb/SqlDialect.h"

namespace sentrel::reportsdb {

// The report tables in an SQLite file. There are no schemas (the table owner is not used)
// and no added constraints: each key column is an INTEGER PRIMARY KEY AUTOINCREMENT. SQLite
// views are read-only, so each view gets an INSTEAD OF INSERT trigger that writes the
// record into its table; dropping the view drops the trigger with it.
class SqliteDialect : public SqlDialect {
  public:
    DatabaseKind kind() const override { return DatabaseKind::File; }
    QList<Statement> initialisation(SQLConnection& connection) const override;

    QString createInsertTrigger(const ReportTable& table) const;

  protected:
    const TypeNames& typeNames() const override;
    QString testBrowser() const override { return QStringLiteral("SRWS Test Record"); }
};

}  // namespace sentrel::reportsdb
