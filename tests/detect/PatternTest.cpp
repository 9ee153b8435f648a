#include <gtest/gtest.h>

#include <random>
#include <string>

#include "detect/Pattern.h"

using sentrel::detect::Pattern;

namespace {

bool match(std::string_view pattern, std::string_view text) {
    return Pattern(pattern).matches(text);
}

}  // namespace

TEST(Pattern, WildcardsMatchTheWholeText) {
    EXPECT_TRUE(match("Mozilla/5.0*", "Mozilla/5.0 (X11)"));
    EXPECT_FALSE(match("Mozilla/5.0", "Mozilla/5.0 (X11)"));  // no implicit trailing star
    EXPECT_FALSE(match("zilla*", "Mozilla/5.0"));             // no implicit leading star
    EXPECT_TRUE(match("*", ""));
    EXPECT_TRUE(match("a*b*c", "abc"));
    EXPECT_TRUE(match("a*b*c", "a-x-b-y-c"));
    EXPECT_FALSE(match("a*b*c", "a-x-c-y-b"));
    EXPECT_TRUE(match("*Chrome/*Safari*", "Mozilla (Win) Chrome/120 Safari/537"));
    EXPECT_TRUE(match("Opera?9", "Opera/9"));
    EXPECT_FALSE(match("Opera?9", "Opera9"));
    EXPECT_TRUE(match("MSIE #.#*", "MSIE 6.0; Windows"));
    EXPECT_FALSE(match("MSIE #.#*", "MSIE x.0; Windows"));
}

TEST(Pattern, CaseIsIgnoredBySimpleUnicodeFolding) {
    EXPECT_TRUE(match("MOZILLA*", "mozilla/5.0"));
    EXPECT_TRUE(match("é*", "ÉCOLE"));
    EXPECT_TRUE(match("Ü", "ü"));
    EXPECT_TRUE(match("*МИР*", "Да, мир"));
    EXPECT_TRUE(match("ς", "Σ"));              // final sigma
    EXPECT_TRUE(match("KS", "\u212A\u017F"));  // Kelvin sign, long s
    EXPECT_TRUE(match("ß", "ẞ"));
    // Only the one-to-one folding: ß is not "ss", İ is not "i".
    EXPECT_FALSE(match("STRASSE", "straße"));
    EXPECT_FALSE(match("i", "İ"));
    // Undecodable bytes stand for themselves: a Latin-1 É is neither É nor é.
    EXPECT_TRUE(match("*\xC9", "x\xC9"));
    EXPECT_FALSE(match("\xC9", "\xE9"));
    EXPECT_FALSE(match("É", "\xC9"));
}

TEST(Pattern, ListsHoldEveryCaseOfTheirCharacters) {
    EXPECT_TRUE(match("[A-C]x", "bX"));
    EXPECT_TRUE(match("[!a-c]x", "dx"));
    EXPECT_FALSE(match("[!a-c]x", "Bx"));  // negation sees both cases too
    EXPECT_TRUE(match("[À-Þ]", "é"));
    EXPECT_TRUE(match("[à-þ]", "É"));
    EXPECT_FALSE(match("[!à-þ]", "É"));
    EXPECT_TRUE(match("[Ā-Ď]", "ď"));  // upper and lower case alternate here
    EXPECT_FALSE(match("[Ā-Ď]", "Đ"));
    EXPECT_TRUE(match("[\u2100-\u2130]", "K"));  // holds the Kelvin sign
    EXPECT_FALSE(match("[!k]", "\u212A"));
    EXPECT_TRUE(match("[É]COLE", "école"));  // one member: a literal
}

TEST(Pattern, QuestionMarkIsOneCharacterNotOneByte) {
    EXPECT_TRUE(match("a?b",
                      "a\xC3\xA9"
                      "b"));  // é is two bytes
    EXPECT_TRUE(match("a[\xC3\xA0-\xC3\xBF]b",
                      "a\xC3\xA9"
                      "b"));
    EXPECT_TRUE(match("a?b",
                      "a\xFF"
                      "b"));  // a stray byte still counts as one character
    EXPECT_TRUE(match("?COLE", "école"));
    EXPECT_FALSE(match("??COLE", "école"));
}

TEST(Pattern, BracketLists) {
    EXPECT_TRUE(match("[abc]", "b"));
    EXPECT_FALSE(match("[abc]", "d"));
    EXPECT_TRUE(match("v[0-9][0-9]", "v42"));
    EXPECT_TRUE(match("[z-a]", "m"));  // written high to low
    EXPECT_TRUE(match("[a-]", "-"));
    EXPECT_TRUE(match("[!abc]", "x"));
    EXPECT_FALSE(match("[!abc]", "a"));
    EXPECT_FALSE(match("[!abc]", ""));
    EXPECT_TRUE(match("[[]x]", "[x]"));  // [[] is a literal "["
    EXPECT_TRUE(match("[]]", "]"));
    EXPECT_TRUE(match("[]", "[]"));
    EXPECT_TRUE(match("*[*?#]", "ab#"));  // wildcards are plain inside a list
    EXPECT_FALSE(match("*[*?#]", "abc"));
}

TEST(Pattern, MatchKeyIsSharedByPatternsThatMatchAlike) {
    EXPECT_EQ(Pattern("MSIE [A-C]#*").matchKey(), Pattern("msie [c-a]#*").matchKey());
    EXPECT_EQ(Pattern("a[\xC3\xA0-\xC3\xBF\xC3\xA0]").matchKey(),
              Pattern("A[\xC3\xA0-\xC3\xBF]").matchKey());  // overlapping ranges merge
    EXPECT_NE(Pattern("foo[a-z]").matchKey(), Pattern("foo[A-z]").matchKey());
    EXPECT_NE(Pattern("[!a]").matchKey(), Pattern("[a]").matchKey());
    EXPECT_NE(Pattern("a*").matchKey(), Pattern("a?").matchKey());
}

TEST(Pattern, UnclosedBracketIsLiteral) {
    EXPECT_TRUE(match("Mozilla [en*", "Mozilla [en-US"));
    EXPECT_FALSE(match("Mozilla [en*", "Mozilla en-US"));
    EXPECT_TRUE(match("[!", "[!"));
    EXPECT_TRUE(match("a[", "A["));
}

TEST(Pattern, EmptyPatternNeverMatches) {
    Pattern empty("");
    EXPECT_TRUE(empty.empty());
    EXPECT_FALSE(empty.matches(""));
    EXPECT_FALSE(empty.matches("x"));
}

TEST(Pattern, LiteralCountSkipsWildcardsAndCountsAListOnce) {
    EXPECT_EQ(Pattern("Mozilla/5.0*").literalCount(), 11);
    EXPECT_EQ(Pattern("*?#*").literalCount(), 0);
    EXPECT_EQ(Pattern("v[0-9][!a]x").literalCount(), 4);
    EXPECT_EQ(Pattern("[[]").literalCount(), 1);
    EXPECT_EQ(Pattern("a[b").literalCount(), 3);
    EXPECT_EQ(Pattern("").literalCount(), 0);
}

TEST(Pattern, RequiredRunsAreFoldedLiteralStretches) {
    const Pattern pattern("Mozilla/*(Windows NT #.#*Chrome?");
    const auto& runs = pattern.requiredRuns();
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0], "mozilla/");
    EXPECT_EQ(runs[1], "(windows nt ");
    EXPECT_EQ(runs[2], ".");
    EXPECT_EQ(runs[3], "chrome");
}

TEST(Pattern, HugeInputsFinishQuickly) {
    const std::string agent(100 * 1024, 'a');
    std::string manyStars;
    for (int i = 0; i < 60; ++i) manyStars += "*a";
    EXPECT_TRUE(Pattern(manyStars).matches(agent));
    EXPECT_FALSE(Pattern(manyStars + "*b").matches(agent));
    EXPECT_FALSE(Pattern(manyStars + "b*").matches(agent));
    EXPECT_FALSE(Pattern("*a*a*a*a*a*a*a*a*a*a*b*a").matches(agent));
    EXPECT_TRUE(Pattern("*" + std::string(500, '?') + "*").matches(agent));
}

namespace {

// A plain recursive matcher over single-byte ASCII text, for patterns without lists.
bool reference(std::string_view p, std::string_view t) {
    if (p.empty()) return t.empty();
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
    if (p[0] == '*') return reference(p.substr(1), t) || (!t.empty() && reference(p, t.substr(1)));
    if (t.empty()) return false;
    const bool one = p[0] == '?' || (p[0] == '#' && t[0] >= '0' && t[0] <= '9') ||
                     (p[0] != '#' && lower(p[0]) == lower(t[0]));
    return one && reference(p.substr(1), t.substr(1));
}

}  // namespace

TEST(Pattern, AgreesWithAPlainRecursiveMatcher) {
    std::mt19937 random(5);
    const std::string patternChars = "aAb*?#1";
    const std::string textChars = "aAb1";
    for (int i = 0; i < 20000; ++i) {
        std::string pattern;
        std::string text;
        for (size_t n = 1 + random() % 7; n > 0; --n) pattern += patternChars[random() % 7];
        for (size_t n = random() % 9; n > 0; --n) text += textChars[random() % 4];
        ASSERT_EQ(Pattern(pattern).matches(text), reference(pattern, text))
            << pattern << " vs " << text;
    }
}
