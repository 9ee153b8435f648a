#include <gtest/gtest.h>

// Readable Qt values; every test file of the program includes it, so that all agree.
#include "editing/QtPrinters.h"

#include <QSet>
#include <QStringList>

#include "reporting/reportsdb/PostgresDialect.h"
#include "reporting/reportsdb/ReportTables.h"
#include "reporting/reportsdb/SqliteDialect.h"

using namespace sentrel::reportsdb;

namespace {

const ReportColumn& column(int table, const char* name) {
    for (const ReportColumn& c : reportTables()[table].columns) {
        if (qstrcmp(c.name, name) == 0) return c;
    }
    throw std::runtime_error(name);
}

}  // namespace

TEST(ReportTablesTest, EveryTableHasItsColumnsAndEveryViewItsDistinctShortNames) {
    const auto tables = reportTables();
    ASSERT_EQ(tables.size(), 3u);
    const QList<std::tuple<QString, QString, int>> expected = {
        {"SNSTATS", "SNS", 165}, {"SNPLT", "PLT", 22}, {"BrowserErrors", "BROWERR", 22}};
    for (int t = 0; t < 3; ++t) {
        EXPECT_EQ(tables[t].name, std::get<0>(expected[t]));
        EXPECT_EQ(tables[t].view, std::get<1>(expected[t]));
        EXPECT_EQ(int(tables[t].columns.size()), std::get<2>(expected[t]));
        EXPECT_TRUE(tables[t].key().isKey());
        for (const DatabaseKind kind : {DatabaseKind::File, DatabaseKind::Server}) {
            QSet<QString> names;  // SQLite compares names without regard to case
            for (const ReportColumn& c : tables[t].columns) {
                if (c.isKey()) continue;
                names << QString::fromLatin1(c.viewNameFor(kind)).toLower();
            }
            EXPECT_EQ(names.size(), std::get<2>(expected[t]) - 1) << tables[t].name;
        }
    }
}

TEST(ReportTablesTest, FileViewsDifferOnlyInTheCaseOfTenNames) {
    QStringList file;
    QStringList server;
    for (const ReportTable& table : reportTables()) {
        for (const ReportColumn& c : table.columns) {
            if (c.isKey() || qstrcmp(c.viewNameFor(DatabaseKind::File), c.viewName) == 0) continue;
            file << c.viewNameFor(DatabaseKind::File);
            server << c.viewName;
        }
    }
    EXPECT_EQ(file, QStringList({"AOL", "Beta", "CDF", "Lang", "SSL", "PNG", "WAP", "HDML", "PDA",
                                 "pltver"}));
    EXPECT_EQ(server, QStringList({"aol", "beta", "cdf", "lang", "ssl", "png", "wap", "hdml", "pda",
                                   "PltVer"}));
}

TEST(ReportTablesTest, KindsKeepTheirOwnTypesWhereTheyDiffer) {
    const ReportColumn& textSize = column(0, "TextSizeAdj");
    EXPECT_EQ(textSize.fileType.kind, ColumnKind::Integer);
    EXPECT_EQ(textSize.serverType.kind, ColumnKind::Text);
    EXPECT_EQ(textSize.serverType.length, 25);
    const ReportColumn& country = column(0, "Country");
    EXPECT_EQ(country.serverType.kind, ColumnKind::FixedText);
    EXPECT_EQ(country.serverType.length, 2);
    EXPECT_EQ(column(1, "Page").fileType.kind, ColumnKind::Memo);
    EXPECT_EQ(column(1, "Page").serverType.length, 2048);
    EXPECT_EQ(column(0, "BrowserDateTimeMs").serverType.kind, ColumnKind::Numeric);
    EXPECT_STREQ(column(2, "ErrorVer").viewName, "ev");
    EXPECT_STREQ(column(0, "OpenWebResources").viewName, "snwr");
}

TEST(ReportTablesTest, NamesAreQuotedAndEscapedAndTestValuesBound) {
    const PostgresDialect server(QStringLiteral("we]ird\"owner"));
    EXPECT_EQ(server.qualified("SNS"), "\"we]ird\"\"owner\".\"SNS\"");
    const QList<Statement> serverTest = {
        {"INSERT INTO \"we]ird\"\"owner\".\"SNS\" (\"brow\") VALUES (?)", {"Test Record"}},
        {"DELETE FROM \"we]ird\"\"owner\".\"SNSTATS\" WHERE \"Browser\" = ?", {"Test Record"}},
        {"INSERT INTO \"we]ird\"\"owner\".\"PLT\" (\"Hittype\") VALUES (?)", {"sql-test"}},
        {"DELETE FROM \"we]ird\"\"owner\".\"SNPLT\" WHERE \"Hittype\" = ?", {"sql-test"}}};
    EXPECT_EQ(server.tableTest(), serverTest);
    const QList<Statement> fileTest = {
        {"INSERT INTO \"SNS\" (\"brow\") VALUES (?)", {"SRWS Test Record"}},
        {"DELETE FROM \"SNSTATS\" WHERE \"Browser\" = ?", {"SRWS Test Record"}},
        {"INSERT INTO \"PLT\" (\"Hittype\") VALUES (?)", {"sql-test"}},
        {"DELETE FROM \"SNPLT\" WHERE \"Hittype\" = ?", {"sql-test"}}};
    EXPECT_EQ(SqliteDialect().tableTest(), fileTest);
    EXPECT_EQ(server.addPrimaryKey(reportTables()[2]),
              "ALTER TABLE \"we]ird\"\"owner\".\"BrowserErrors\" ADD CONSTRAINT \"PK_BROWERR\" "
              "PRIMARY KEY (\"ErrorID\")");
}
