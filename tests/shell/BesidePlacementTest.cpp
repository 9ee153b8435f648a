#include <gtest/gtest.h>

#include "shell/BesidePlacement.h"

namespace sentrel {
namespace {

// A 1280 x 800 screen beside a second one at x = 1280.
const QRect kScreen(0, 0, 1280, 800);
const QRect kRightScreen(1280, 0, 1920, 1080);

TEST(BesidePlacementTest, BesideTheWindowWhereThereIsRoomElseOverIt) {
    // Room on the right.
    EXPECT_EQ(placeBeside({0, 50, 600, 500}, {640, 480}, kScreen), QRect(600, 50, 640, 480));
    // Room only on the left.
    EXPECT_EQ(placeBeside({700, 50, 560, 500}, {640, 480}, kScreen), QRect(60, 50, 640, 480));
    // A window filling the screen: over it, centred.
    EXPECT_EQ(placeBeside({0, 0, 1280, 800}, {640, 480}, kScreen), QRect(320, 160, 640, 480));
    // On the second screen, in its own coordinates.
    EXPECT_EQ(placeBeside({1300, 0, 1900, 1000}, {640, 480}, kRightScreen),
              QRect(1930, 260, 640, 480));
}

TEST(BesidePlacementTest, AlwaysWhollyOnTheScreen) {
    // A main window low on the screen: the window moves up rather than hang below.
    EXPECT_EQ(placeBeside({0, 600, 600, 150}, {640, 480}, kScreen), QRect(600, 320, 640, 480));
    // A main window partly off the screen to the left.
    EXPECT_EQ(placeBeside({-500, -40, 1700, 900}, {640, 480}, kScreen).topLeft(), QPoint(30, 170));
    // Larger than the screen: shrunk to it.
    EXPECT_EQ(placeBeside({0, 0, 100, 100}, {2000, 900}, kScreen), kScreen);
}

}  // namespace
}  // namespace sentrel
