#include <gtest/gtest.h>

#include "reporting/CacheRecommendation.h"

namespace sentrel {
namespace {

TEST(CacheRecommendation, SmallSitesScaleWithVisitorsOnATwelveHourCache) {
    EXPECT_EQ(recommendCacheSettings("1"), (CacheSettings{3600, 43200, 1800}));
    EXPECT_EQ(recommendCacheSettings("2000"), (CacheSettings{7200000, 43200, 1800}));
    EXPECT_EQ(recommendCacheSettings(" 381 "), (CacheSettings{1371600, 43200, 1800}));
    // Only the whole part of the answer counts.
    EXPECT_EQ(recommendCacheSettings("2000.9"), (CacheSettings{7200000, 43200, 1800}));
}

TEST(CacheRecommendation, LargeSitesGetTheFixedSixHourCache) {
    const CacheSettings large{1375000, 21600, 1800};
    EXPECT_EQ(recommendCacheSettings("2001"), large);
    EXPECT_EQ(recommendCacheSettings("1e12"), large);  // no overflow on absurd answers
}

TEST(CacheRecommendation, AnswersThatAreNoPositiveNumberChangeNothing) {
    for (const char* answer : {"0", "-5", "many", "", "0.9", "-0.5", "inf", "nan", "12 visitors"})
        EXPECT_EQ(recommendCacheSettings(answer), std::nullopt) << answer;
}

}  // namespace
}  // namespace sentrel
