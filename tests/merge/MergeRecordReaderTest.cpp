#include <gtest/gtest.h>

#include "document/merge/FilterValueField.h"
#include "document/merge/MergeRecordReader.h"
#include "editor/lifecycle/MergeRecord.h"

namespace sentrel::doc {
namespace {

using Fields = std::array<QString, 5>;

// Writes the record with the editor's writer and reads it back.
ReadMergeRecord roundTrip(int code, const Fields& fields) {
    const QByteArray line = lifecycle::MergeRecord{code, fields}.line();
    EXPECT_TRUE(line.endsWith("\r\n"));
    return MergeRecordReader::read(QString::fromUtf8(line.chopped(1)));
}

TEST(MergeRecordReaderTest, ReadsWhatTheEditorWritesForEveryCode) {
    const std::vector<std::pair<int, Fields>> records = {
        {1, {"tabs1234567", "desktop", "Tablets", "custom", "2026-12-06T10:00:00"}},
        {2, {"chrome", "", "Chrome \"Stable\",\"Beta\"", "", "2026-12-06T10:00:00"}},
        {3, {"mobile", "", "", "", ""}},
        {4, {"ipad1234567", "tabs1234567", "iPad \"Pro\"", "*iPad*", "2026-12-06T10:00:00"}},
        {5, {"chrome", "", "Mozilla/*\",\"*Chrome*", "", "2026-12-06T10:00:00"}},
        {6, {"Platform", "tabs1234567", "String", "", "iOS"}},
        {7, {"Browser", "BrowserName", "", "", ""}},
        {8, {"desktop", "Cookies", "True", "children", "2026-12-06T10:00:00"}},
        {9, {"Legacy", "", "", "", ""}},
        {10, {"7", "Platform", "*iPad*", "iOS|1|session", "2"}},
        {11, {"500", "Cookies", "*Old \"IE\"*", "False", "1"}},
        {12, {"501", "", "", "", ""}},
        // Free texts at the edges of their fields: a quotation mark or separator first or last.
        {2, {"chrome", "", "\",x", "", "2026-12-06T10:00:00"}},
        {2, {"chrome", "", "x\",\"", "", "2026-12-06T10:00:00"}},
        {8, {"desktop", "Browser", "", "", "2026-12-06T10:00:00"}},
        {6, {"Platform", "DefaultBrowser", "String", "", ""}},
    };
    for (const auto& [code, fields] : records) {
        const ReadMergeRecord read = roundTrip(code, fields);
        EXPECT_TRUE(read.ok()) << code << ": " << read.fault.toStdString();
        EXPECT_EQ(read.code, code);
        EXPECT_EQ(read.fields, fields) << code;
    }
}

TEST(MergeRecordReaderTest, RefusesDamagedAndAmbiguousLines) {
    const std::vector<std::pair<QString, QString>> lines = {
        {"garbage", "the line is no merge record"},
        {"x,\"a\",\"\",\"\",\"\",\"\"", "the line is no merge record"},
        {"14,\"a\",\"\",\"\",\"\",\"\"", "unknown record code 14"},
        {"2,\"chrome\",\"\",\"Chrome\"", "too few fields"},
        {"3,\"mobile\",\"\",\"\",\"\",\"\",\"\"", "too many fields"},
        {"3,mobile,,,,", "its fields are not enclosed in quotation marks"},
        {"12,abc,\"\",\"\",\"\",\"\"", "the filter's unique id is no number"},
        // Two free texts side by side, one of them holding ",": no single reading.
        {"4,\"ipad1\",\"tabs1\",\"iPad\",\"Pro\",\"*iPad*\",\"2026-12-06T10:00:00\"",
         "its text fields hold \",\" and can be read in more than one way"},
        {"10,7,\"Platform\",\"*a\",\"b*\",\"iOS\",\"2\"",
         "its text fields hold \",\" and can be read in more than one way"},
    };
    for (const auto& [line, fault] : lines) {
        EXPECT_EQ(MergeRecordReader::read(line).fault, fault) << line.toStdString();
    }
}

TEST(MergeRecordReaderTest, UnpacksFilterValueFields) {
    FilterValueField values;
    ASSERT_TRUE(FilterValueField::unpack("True", &values));
    EXPECT_EQ(values, (FilterValueField{"True", 0, ""}));
    ASSERT_TRUE(FilterValueField::unpack("iOS|2|HTTP_X|Y", &values));
    EXPECT_EQ(values, (FilterValueField{"iOS", 2, "HTTP_X|Y"}));
    ASSERT_TRUE(FilterValueField::unpack("|3|", &values));
    EXPECT_EQ(values, (FilterValueField{"", 3, ""}));
    EXPECT_FALSE(FilterValueField::unpack("a|1|b|2|c", &values));
    EXPECT_FALSE(FilterValueField::unpack("a|1|2|c", &values));
}

}  // namespace
}  // namespace sentrel::doc
