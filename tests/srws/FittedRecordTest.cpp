#include <gtest/gtest.h>

#include <algorithm>

#include "srws/FittedRecord.h"
#include "srws/LocalTime.h"

using namespace sentrel::srws;
using sentrel::reportsdb::DatabaseKind;
using sentrel::reportsdb::reportTables;

namespace {

using Strings = std::vector<std::string>;
using Values = std::vector<FieldValue>;

// 2026-03-04 05:06:07 local time.
std::time_t received() {
    std::tm local{};
    local.tm_year = 126, local.tm_mon = 2, local.tm_mday = 4;
    local.tm_hour = 5, local.tm_min = 6, local.tm_sec = 7, local.tm_isdst = -1;
    return std::mktime(&local);
}

FittedRecord fitted(int table, std::vector<FormFields::Field> fields,
                    DatabaseKind kind = DatabaseKind::File) {
    return FittedRecord::fit(reportTables()[table], kind, FormFields(std::move(fields)),
                             received());
}

// The fitted value of one view column; "(absent)" when the record does not set it.
FieldValue valueOf(const FittedRecord& record, const std::string& column) {
    const auto at = std::find(record.columns.begin(), record.columns.end(), column);
    return at == record.columns.end() ? FieldValue("(absent)")
                                      : record.values[std::size_t(at - record.columns.begin())];
}

std::string textOf(const FittedRecord& record, const std::string& column) {
    return std::get<std::string>(valueOf(record, column));
}

std::size_t charactersOf(const std::string& text) {
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

TEST(FittedRecordTest, FieldsMatchViewColumnsWithoutRegardToCaseAndUnknownNamesAreIgnored) {
    const FittedRecord record =
        fitted(0, {{"BROW", "Firefox"}, {"Vm", "120"}, {"nosuch", "1"}, {"t", "sns"}});
    EXPECT_EQ(record.columns, (Strings{"lu", "vm", "brow"}));  // in the view's order
    EXPECT_EQ(record.values, (Values{"2026-03-04T05:06:07", std::int64_t(120), "Firefox"}));
    EXPECT_TRUE(record.notes.empty());
    // The names the file kind's view spells in another case are still found, and the
    // record uses the spelling of the view it goes into.
    EXPECT_EQ(fitted(1, {{"PLTVER", "2"}}).columns, (Strings{"lu", "pltver"}));
    EXPECT_EQ(fitted(1, {{"pltver", "2"}}, DatabaseKind::Server).columns,
              (Strings{"lu", "PltVer"}));
    EXPECT_EQ(fitted(0, {{"aol", "1"}}).columns, (Strings{"lu", "AOL"}));
}

TEST(FittedRecordTest, TextIsCutToTheColumnsLengthInTheDatabasesKind) {
    std::string longText;
    for (int i = 0; i < 3000; ++i) longText += "\xc3\xa9";  // two bytes each: cut by characters
    // Minorverlet holds 255 characters in the file kind, 5 on the server.
    EXPECT_EQ(charactersOf(textOf(fitted(0, {{"vml", longText}}), "vml")), 255u);
    EXPECT_EQ(textOf(fitted(0, {{"vml", longText}}), "vml").size(), 510u);
    EXPECT_EQ(textOf(fitted(0, {{"vml", "abcdefg"}}, DatabaseKind::Server), "vml"), "abcde");
    // Country is char(2); a memo column of the file kind keeps everything; the server's
    // Page of SNPLT is 2048 long.
    EXPECT_EQ(textOf(fitted(0, {{"sncy", "deu"}}, DatabaseKind::Server), "sncy"), "de");
    EXPECT_EQ(charactersOf(textOf(fitted(1, {{"p", longText}}), "p")), 3000u);
    EXPECT_EQ(charactersOf(textOf(fitted(1, {{"p", longText}}, DatabaseKind::Server), "p")), 2048u);
    // Characters beyond the first plane count as one each.
    EXPECT_EQ(textOf(fitted(0,
                            {{"vml",
                              "\xf0\x9f\x98\x80"
                              "ab"
                              "\xf0\x9f\x98\x80"
                              "xyz"}},
                            DatabaseKind::Server),
                     "vml"),
              "\xf0\x9f\x98\x80"
              "ab"
              "\xf0\x9f\x98\x80"
              "x");
    // Text stays text, number-like or empty.
    EXPECT_EQ(textOf(fitted(1, {{"p", "0012"}}), "p"), "0012");
    EXPECT_EQ(textOf(fitted(0, {{"brow", ""}}), "brow"), "");
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
    EXPECT_EQ(valueOf(record, "fram"), FieldValue(std::int64_t(1)));
    EXPECT_EQ(valueOf(record, "tab"), FieldValue(std::int64_t(0)));
    EXPECT_EQ(valueOf(record, "vm"), FieldValue(std::int64_t(42)));
    EXPECT_EQ(valueOf(record, "vmn"), FieldValue(1.25));
    EXPECT_EQ(valueOf(record, "snsh"), FieldValue(std::int64_t(768)));
    EXPECT_EQ(valueOf(record, "sndm"), FieldValue(std::int64_t(1700000000000)));
    for (const char* null : {"snsw", "cook", "snfv", "v"}) {
        EXPECT_TRUE(std::holds_alternative<std::monostate>(valueOf(record, null))) << null;
    }
    // Signs, exponents and points as scripts write them; nothing that only looks like a number.
    const FittedRecord written = fitted(
        0, {{"vmn", "+2.5e1"}, {"v", "-.5"}, {"vm", "0x10"}, {"snsw", "1,024"}, {"snsh", "+-3"}});
    EXPECT_EQ(valueOf(written, "vmn"), FieldValue(25.0));
    EXPECT_EQ(valueOf(written, "v"), FieldValue(-0.5));
    for (const char* null : {"vm", "snsw", "snsh"}) {
        EXPECT_TRUE(std::holds_alternative<std::monostate>(valueOf(written, null))) << null;
    }
    // The empty value is no fault; the others are noted.
    EXPECT_EQ(record.notes,
              (Strings{"value \"inf\" of field \"v\" (column Version): not a number, stored "
                       "as NULL",
                       "value \"767.6\" of field \"snsh\" (column Height): rounded to 768",
                       "value \"wide\" of field \"snsw\" (column Width): not a number, "
                       "stored as NULL",
                       "value \"99999999999\" of field \"snfv\" (column Plugin_Flash): out "
                       "of the column's range, stored as NULL"}));
}

TEST(FittedRecordTest, LastUpdateIsTheRequestTimeUnlessAValidDateIsGiven) {
    EXPECT_EQ(textOf(fitted(2, {{"es", "x"}}), "lu"), "2026-03-04T05:06:07");
    EXPECT_EQ(textOf(fitted(2, {{"LU", "2025-12-31T23:59:58"}}), "lu"), "2025-12-31T23:59:58");
    EXPECT_EQ(textOf(fitted(2, {{"lu", " 2025-12-31 "}}), "lu"), "2025-12-31T00:00:00");
    EXPECT_EQ(textOf(fitted(2, {{"lu", "2025-12-31T23:59:58.123"}}), "lu"), "2025-12-31T23:59:58");
    // Moments with an offset are stored in local time; 2025-06-01 12:00 UTC in all forms.
    const std::time_t noon = 1748779200;
    for (const char* utc : {"2025-06-01T12:00:00Z", "2025-06-01T14:00+02:00",
                            "2025-06-01T09:30:00-0230", "2025-06-01 13:00:00+01"}) {
        EXPECT_EQ(textOf(fitted(2, {{"lu", utc}}), "lu"), localTimeText(noon)) << utc;
    }
    for (const char* wrong : {"yesterday", "2025-02-29", "2025-13-01T00:00", "2025-06-01T25:00",
                              "2025-06-01T12:00+2", "2025-06-01T12:00:00Zjunk", "20250601"}) {
        EXPECT_EQ(textOf(fitted(2, {{"lu", wrong}}), "lu"), "2026-03-04T05:06:07") << wrong;
    }
    const FittedRecord bad = fitted(2, {{"lu", "yesterday"}});
    EXPECT_EQ(bad.notes, Strings{"value \"yesterday\" of field \"lu\" (column LastUpdate): "
                                 "not an ISO 8601 date, the time of the request stored"});
}
