#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "detect/Definitions.h"
#include "detect/EntryIndex.h"
#include "detect/Utf8.h"

using namespace sentrel::detect;

namespace {

// Straightforward reference: every pattern tested, most literals wins, earliest on ties.
int bruteForceBest(const std::vector<Pattern>& patterns, const std::string& text) {
    int best = -1;
    for (size_t i = 0; i < patterns.size(); ++i) {
        if (!patterns[i].matches(text)) continue;
        if (best < 0 || patterns[i].literalCount() > patterns[best].literalCount()) {
            best = static_cast<int>(i);
        }
    }
    return best;
}

std::string randomText(std::mt19937& random, const std::vector<std::string>& alphabet,
                       size_t maxLength) {
    std::string text;
    const size_t length = random() % (maxLength + 1);
    for (size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    return text;
}

// Letters in several cases, among them some that fold to ASCII (Kelvin sign, long s), and a
// stray byte.
const std::vector<std::string> kLetters = {"a", "b",      "A", "B", "k", "K", "\u212A",
                                           "s", "\u017F", "é", "É", "1", "-", "\xC3"};

}  // namespace

TEST(EntryIndex, FindsTheSameWinnerAsTestingEveryPattern) {
    std::mt19937 random(11);
    std::vector<Pattern> patterns;
    for (int i = 0; i < 400; ++i) {
        // Long literal runs get filed under pieces, short ones stay unfiled.
        std::vector<std::string> alphabet = kLetters;
        alphabet.insert(alphabet.end(), {"*", "?", "#", "[", "]", "!"});
        patterns.emplace_back(randomText(random, alphabet, 14));
    }
    const EntryIndex index(patterns);
    EXPECT_GT(index.unfiledCount(), 0u);
    EXPECT_LT(index.unfiledCount(), patterns.size());
    EntryIndex::Scratch scratch;
    int matched = 0;
    for (int i = 0; i < 4000; ++i) {
        const std::string text = randomText(random, kLetters, 16);
        const int expected = bruteForceBest(patterns, text);
        ASSERT_EQ(index.findBest(patterns, decodeFolded(text), scratch), expected) << text;
        matched += expected >= 0;
    }
    EXPECT_GT(matched, 100);  // the comparison exercised real matches
}

TEST(EntryIndex, RepeatedPatternLeavesTheWinToTheFirst) {
    // The index leaves repeats (in any case) out; the first of them must still win. "[A-z]"
    // differs from "[a-z]" in case only, but also matches "[", "_" and the like: no repeat.
    const std::vector<Pattern> patterns = {
        Pattern("*chrome*"), Pattern("Mozilla/*Chrome/*"), Pattern("MOZILLA/*chrome/*"),
        Pattern(""),         Pattern("foo[a-z]"),          Pattern("Foo[A-z]"),
        Pattern("FOO[z-A]")};
    const EntryIndex index(patterns);
    EntryIndex::Scratch scratch;
    for (const std::string text : {"Mozilla/5.0 Chrome/120", "Opera Chrome", "", "foo_", "Foox"}) {
        EXPECT_EQ(index.findBest(patterns, decodeFolded(text), scratch),
                  bruteForceBest(patterns, text))
            << text;
    }
    EXPECT_EQ(index.findBest(patterns, decodeFolded("Mozilla/5.0 Chrome/120"), scratch), 1);
    EXPECT_EQ(index.findBest(patterns, decodeFolded("foo_"), scratch), 5);
}

TEST(EntryIndex, TextsFoundThroughFoldedLetters) {
    // Pieces of the text are read after folding, so a letter that folds to ASCII still
    // reaches the patterns filed under its piece.
    const std::vector<Pattern> patterns = {Pattern("*ÉCOLE*"), Pattern("*kiosk*"),
                                           Pattern("*MISS*")};
    const EntryIndex index(patterns);
    EntryIndex::Scratch scratch;
    const auto best = [&](std::string_view text) {
        return index.findBest(patterns, decodeFolded(text), scratch);
    };
    EXPECT_EQ(best("Une école"), 0);
    EXPECT_EQ(best("\u212Aiosk"), 1);
    EXPECT_EQ(best("mi\u017F\u017F"), 2);
}
