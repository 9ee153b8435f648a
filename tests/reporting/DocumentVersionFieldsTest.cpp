#include <gtest/gtest.h>

#include "reporting/DocumentVersionFields.h"

namespace sentrel {
namespace {

TEST(DocumentVersionFields, ShowsTheOpenFilesVersionAndEmptiesWhenClosed) {
    DocumentVersionFields fields;
    EXPECT_FALSE(fields.enabled());

    fields.show(4, 7);
    EXPECT_TRUE(fields.enabled());
    EXPECT_EQ(fields.majorText(), "4");
    EXPECT_EQ(fields.minorText(), "07");

    fields.clear();
    EXPECT_FALSE(fields.enabled());
    EXPECT_EQ(fields.majorText(), "");
    EXPECT_EQ(fields.minorText(), "");
}

TEST(DocumentVersionFields, MinorNumbersAndTheStatusPanelUseTwoDigits) {
    EXPECT_EQ(DocumentVersionFields::twoDigits(0), "00");
    EXPECT_EQ(DocumentVersionFields::twoDigits(123), "123");
    EXPECT_EQ(DocumentVersionFields::twoDigits(-5), "-05");
    EXPECT_EQ(DocumentVersionFields::statusText(1, 3), " BDF Version: 1.03  ");
}

TEST(DocumentVersionFields, EmptyBoxesCountAsZeroAndTextIsNoNumber) {
    DocumentVersionFields fields;
    fields.show(2, 0);
    fields.setMajorText("");
    EXPECT_EQ(fields.major(), 0);
    fields.setMinorText("x1");
    EXPECT_EQ(fields.minor(), std::nullopt);
    fields.setMinorText("99999999999");
    EXPECT_EQ(fields.minor(), std::nullopt);
}

TEST(DocumentVersionFields, ChangeTestComparesNumbersNotTexts) {
    DocumentVersionFields fields;
    fields.show(1, 5);
    fields.recordShown();
    fields.setMinorText("5");  // "05" and "5" are the same version
    EXPECT_FALSE(fields.changedSinceShown());
    fields.setMajorText("2");
    EXPECT_TRUE(fields.changedSinceShown());

    fields.clear();  // no file: both boxes empty, counted as 0
    fields.recordShown();
    EXPECT_FALSE(fields.changedSinceShown());
}

}  // namespace
}  // namespace sentrel
