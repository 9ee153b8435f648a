#include <gtest/gtest.h>

#include "codegen/GeneralDate.h"

namespace sentrel::codegen {
namespace {

// The date of the generated code's comment: the locale's short date and its time with
// seconds, never the time zone.
TEST(GeneralDate, LocaleDateAndTimeWithSecondsWithoutZone) {
    const QDateTime when(QDate(2026, 12, 6), QTime(23, 4, 5));
    EXPECT_EQ(generalDateText(when, QLocale(QLocale::English, QLocale::UnitedStates)),
              "12/6/26 11:04:05 PM");
    EXPECT_EQ(generalDateText(when, QLocale(QLocale::German, QLocale::Germany)),
              "06.12.26 23:04:05");
    EXPECT_EQ(generalDateText(when, QLocale(QLocale::English, QLocale::UnitedKingdom)),
              "06/12/2026 23:04:05");
}

}  // namespace
}  // namespace sentrel::codegen
