#include <gtest/gtest.h>

// Readable Qt values; every test file of the program includes it, so that all agree.
#include "editing/QtPrinters.h"

#include "srws/FittedRecord.h"

using namespace sentrel::srws;
using sentrel::reportsdb::DatabaseKind;
using sentrel::reportsdb::reportTables;

namespace {

const QDateTime kReceived(QDate(2026, 3, 4), QTime(5, 6, 7));

FittedRecord fitted(int table, QList<FormFields::Field> fields,
                    DatabaseKind kind = DatabaseKind::File) {
    return FittedRecord::fit(reportTables()[table], kind, FormFields(std::move(fields)), kReceived);
}

// The fitted value of one view column; "(absent)" when the record does not set it.
QVariant valueOf(const FittedRecord& record, const QString& column) {
    const qsizetype at = record.columns.indexOf(column);
    return at < 0 ? QVariant("(absent)") : record.values[at];
}

}  // namespace

TEST(FittedRecordTest, FieldsMatchViewColumnsWithoutRegardToCaseAndUnknownNamesAreIgnored) {
    const FittedRecord record =
        fitted(0, {{"BROW", "Firefox"}, {"Vm", "120"}, {"nosuch", "1"}, {"t", "sns"}});
    EXPECT_EQ(record.columns, (QStringList{"lu", "vm", "brow"}));  // in the view's order
    EXPECT_EQ(record.values, (QVariantList{"2026-03-04T05:06:07", qint64(120), "Firefox"}));
    EXPECT_TRUE(record.notes.isEmpty());
    // The names the file kind's view spells in another case are still found, and the
    // record uses the spelling of the view it goes into.
    EXPECT_EQ(fitted(1, {{"PLTVER", "2"}}).columns, (QStringList{"lu", "pltver"}));
    EXPECT_EQ(fitted(1, {{"pltver", "2"}}, DatabaseKind::Server).columns,
              (QStringList{"lu", "PltVer"}));
    EXPECT_EQ(fitted(0, {{"aol", "1"}}).columns, (QStringList{"lu", "AOL"}));
}

TEST(FittedRecordTest, TextIsCutToTheColumnsLengthInTheDatabasesKind) {
    const QString longText(3000, QChar(0x00e9));  // two bytes each in UTF-8: cut by characters
    // Minorverlet holds 255 characters in the file kind, 5 on the server.
    EXPECT_EQ(valueOf(fitted(0, {{"vml", longText}}), "vml").toString().size(), 255);
    EXPECT_EQ(valueOf(fitted(0, {{"vml", "abcdefg"}}, DatabaseKind::Server), "vml"),
              QVariant("abcde"));
    // Country is char(2); a memo column of the file kind keeps everything; the server's
    // Page of SNPLT is 2048 long.
    EXPECT_EQ(valueOf(fitted(0, {{"sncy", "deu"}}, DatabaseKind::Server), "sncy"), QVariant("de"));
    EXPECT_EQ(valueOf(fitted(1, {{"p", longText}}), "p").toString().size(), 3000);
    EXPECT_EQ(valueOf(fitted(1, {{"p", longText}}, DatabaseKind::Server), "p").toString().size(),
              2048);
    // Text stays text, number-like or empty.
    EXPECT_EQ(valueOf(fitted(1, {{"p", "0012"}}), "p"), QVariant("0012"));
    EXPECT_EQ(valueOf(fitted(0, {{"brow", ""}}), "brow"), QVariant(""));
}

TEST(FittedRecordTest, NumberColumnsTakeNumbersAndTrueFalseAndNullOtherwiseWithANote) {
    const FittedRecord record = fitted(0, {{"fram", "True"},
                                           {"tab", "false"},
                                           {"vm", " 42 "},
                                           {"vmn", "1.25"},
                                           {"snsh", "767.6"},
                                           {"snsw", "wide"},
                                           {"sndm", "1700000000000"},
                                           {"cook", ""},
                                           {"snfv", "99999999999"},
                                           {"v", "inf"}});
    EXPECT_EQ(valueOf(record, "fram"), QVariant(qint64(1)));
    EXPECT_EQ(valueOf(record, "tab"), QVariant(qint64(0)));
    EXPECT_EQ(valueOf(record, "vm"), QVariant(qint64(42)));
    EXPECT_EQ(valueOf(record, "vmn"), QVariant(1.25));
    EXPECT_EQ(valueOf(record, "snsh"), QVariant(qint64(768)));
    EXPECT_EQ(valueOf(record, "sndm"), QVariant(qint64(1700000000000)));
    for (const char* null : {"snsw", "cook", "snfv", "v"}) {
        EXPECT_TRUE(valueOf(record, null).isNull()) << null;
    }
    // The empty value is no fault; the others are noted.
    EXPECT_EQ(record.notes,
              (QStringList{"value \"inf\" of field \"v\" (column Version): not a number, stored "
                           "as NULL",
                           "value \"767.6\" of field \"snsh\" (column Height): rounded to 768",
                           "value \"wide\" of field \"snsw\" (column Width): not a number, "
                           "stored as NULL",
                           "value \"99999999999\" of field \"snfv\" (column Plugin_Flash): out "
                           "of the column's range, stored as NULL"}));
}

TEST(FittedRecordTest, LastUpdateIsTheRequestTimeUnlessAValidDateIsGiven) {
    EXPECT_EQ(valueOf(fitted(2, {{"es", "x"}}), "lu"), QVariant("2026-03-04T05:06:07"));
    EXPECT_EQ(valueOf(fitted(2, {{"LU", "2025-12-31T23:59:58"}}), "lu"),
              QVariant("2025-12-31T23:59:58"));
    const QDateTime utc(QDate(2025, 6, 1), QTime(12, 0), Qt::UTC);
    EXPECT_EQ(valueOf(fitted(2, {{"lu", "2025-06-01T12:00:00Z"}}), "lu"),
              QVariant(utc.toLocalTime().toString("yyyy-MM-ddTHH:mm:ss")));
    const FittedRecord bad = fitted(2, {{"lu", "yesterday"}});
    EXPECT_EQ(valueOf(bad, "lu"), QVariant("2026-03-04T05:06:07"));
    EXPECT_EQ(bad.notes, QStringList{"value \"yesterday\" of field \"lu\" (column LastUpdate): "
                                     "not an ISO 8601 date, the time of the request stored"});
}
