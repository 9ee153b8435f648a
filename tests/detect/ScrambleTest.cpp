#include <gtest/gtest.h>

#include <set>
#include <string>

#include "detect/Scramble.h"

using namespace sentrel::detect;

TEST(Scramble, KeyHas253SignedNonZeroEntries) {
    ScrambleKey key;
    BuildScrambleKey(key);
    std::set<int> distinct;
    for (int i = 0; i < kScrambleKeyLength; ++i) {
        EXPECT_GE(key[i], -128);
        EXPECT_LE(key[i], 127);
        EXPECT_NE(key[i], 0) << "entry " << i;
        distinct.insert(key[i]);
    }
    EXPECT_GT(distinct.size(), 100u);  // a real key, not a repeated byte
    ScrambleKey again;
    BuildScrambleKey(again);
    EXPECT_EQ(key, again);
}

TEST(Scramble, RoundTripRestoresEveryByteAndChangesEveryByte) {
    std::string plain;
    for (int i = 0; i < 3000; ++i) plain.push_back(static_cast<char>(i * 7 % 256));
    std::string scrambled;
    ASSERT_EQ(ScrambleBytes(plain, scrambled, true), 0);
    ASSERT_EQ(scrambled.size(), plain.size());
    for (size_t i = 0; i < plain.size(); ++i) ASSERT_NE(scrambled[i], plain[i]) << i;
    std::string restored;
    ASSERT_EQ(UnscrambleBytes(scrambled, restored, true), 0);
    EXPECT_EQ(restored, plain);
}

TEST(Scramble, KeyCyclesEvery253Bytes) {
    const std::string zeros(600, '\0');
    std::string out;
    ASSERT_EQ(ScrambleBytes(zeros, out, true), 0);
    ScrambleKey key;
    BuildScrambleKey(key);
    EXPECT_EQ(static_cast<unsigned char>(out[252]), static_cast<unsigned char>(key[252] & 0xFF));
    EXPECT_EQ(out[253], out[0]);  // byte 253 uses entry 0 again
    EXPECT_EQ(out[506], out[0]);
    EXPECT_NE(out[253], out[1]);
}

TEST(Scramble, WithoutFirstBytesDropsTwoAndStartsTheKeyAfresh) {
    std::string full;
    std::string shortened;
    ASSERT_EQ(ScrambleBytes("xyhello", full, true), 0);
    ASSERT_EQ(ScrambleBytes("xyhello", shortened, false), 0);
    std::string expected;
    ScrambleBytes("hello", expected, true);
    EXPECT_EQ(shortened, expected);
    std::string tiny = "unchanged";
    EXPECT_EQ(ScrambleBytes("x", tiny, false), 0);
    EXPECT_TRUE(tiny.empty());
}
