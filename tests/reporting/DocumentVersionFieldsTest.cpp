#include <gtest/gtest.h>

#include "reporting/DocumentVersionFields.h"

namespace sentrel {
namespace {

TEST(DocumentVersionFields, ShowsTheOpenFilesVersionWithATwoDigitMinorAndEmptiesWhenClosed) {
    DocumentVersionFields fields;
    fields.show(4, 7);
    EXPECT_TRUE(fields.enabled());
    EXPECT_EQ(fields.majorText() + "." + fields.minorText(), "4.07");
    EXPECT_EQ(DocumentVersionFields::twoDigits(-5), "-05");
    EXPECT_EQ(DocumentVersionFields::statusText(1, 123), " BDF Version: 1.123  ");

    fields.clear();
    EXPECT_FALSE(fields.enabled());
    EXPECT_EQ(fields.majorText() + fields.minorText(), "");
    EXPECT_EQ(fields.major(), 0);  // an empty box counts as 0
}

TEST(DocumentVersionFields, ChangeTestComparesNumbersAndTextIsNoNumber) {
    DocumentVersionFields fields;
    fields.show(1, 5);
    fields.recordShown();
    fields.setMinorText("5");  // "05" and "5" are the same version
    EXPECT_FALSE(fields.changedSinceShown());
    fields.setMajorText("2");
    EXPECT_TRUE(fields.changedSinceShown());

    fields.setMinorText("x1");
    EXPECT_EQ(fields.minor(), std::nullopt);
    fields.setMinorText("99999999999");
    EXPECT_EQ(fields.minor(), std::nullopt);
}

}  // namespace
}  // namespace sentrel
