#pragma once

#include <bitset>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sentrel::detect {

// A match string of the definitions: a pattern over the whole text, compared without regard
// to case (Unicode's simple case folding, CaseFolding.h).
//   *        any run of characters (also none)
//   ?        exactly one character (code point; a byte that is not valid UTF-8 counts as one)
//   #        one digit 0-9
//   [abc]    one character of the list; [a-z] ranges; [!abc] one character not in the list
//   [[]      a literal "["; a "[" with no closing "]" is a literal "["
// As in shell globs, the first character of a list (after an optional "!") is always a member,
// so "[]]" is a literal "]" and "[]" alone is the two literal characters "[" and "]". A "-" at
// either end of a list is a member; a range written high to low covers the same characters as
// low to high. An empty pattern never matches.
//
// Matching walks the compiled tokens with single-star backtracking, so it takes at most
// (text length x pattern length) steps whatever the pattern: no exponential blow-up on long
// user agents or on patterns with many stars.
class Pattern {
  public:
    Pattern() = default;
    explicit Pattern(std::string_view pattern);

    // True when the pattern matches the whole of `text` (UTF-8).
    bool matches(std::string_view text) const;
    // The same for text already decoded and folded by decodeFolded(); lets callers decode a
    // user agent once and test it against many patterns.
    bool matchesFolded(std::u32string_view folded) const;

    // Non-wildcard characters: literal characters, a bracket list counting as one.
    int literalCount() const { return literalCount_; }
    bool empty() const { return tokens_.empty(); }
    const std::string& text() const { return text_; }
    // The compiled pattern as a string: patterns with the same key match the same texts,
    // whatever their case or spelling ("MSIE [A-C]" and "msie [a-c]", but not "[a-z]" and
    // "[A-z]", which also matches "_").
    std::u32string matchKey() const;

    // Runs of consecutive literal characters that are ASCII once folded (so "\u212A", the
    // Kelvin sign, counts as "k"), in folded form: every matching text holds them once folded.
    // Used to pick candidate patterns quickly.
    const std::vector<std::string>& requiredRuns() const { return requiredRuns_; }

  private:
    enum class Kind { Literal, AnyChar, Digit, List, Star };

    struct CharList {
        std::bitset<128> ascii;                             // folded: no capitals
        std::vector<std::pair<char32_t, char32_t>> ranges;  // code points above ASCII
        bool negated = false;
        // `c` is a folded character.
        bool contains(char32_t c) const;
        void add(char32_t low, char32_t high);
        void addFolded(char32_t low, char32_t high);
        void normalize();
    };

    struct Token {
        Kind kind;
        char32_t literal = 0;  // folded
        int list = -1;         // index into lists_
    };

    size_t parseList(const std::u32string& source, size_t open);
    void addToken(Token token);
    void collectRequiredRuns();
    // Literals, by far the most common tokens, are tested inline.
    bool tokenMatches(const Token& token, char32_t c) const {
        return token.kind == Kind::Literal ? token.literal == c : wildcardMatches(token, c);
    }
    bool wildcardMatches(const Token& token, char32_t c) const;
    bool tailMatches(std::u32string_view text) const;
    bool skipToLiteral(size_t token, std::u32string_view text, size_t& at) const;

    std::string text_;
    std::vector<Token> tokens_;
    std::vector<CharList> lists_;
    std::vector<std::string> requiredRuns_;
    int literalCount_ = 0;
    size_t minimumLength_ = 0;  // characters any match needs
    size_t tail_ = 0;           // tokens after the last star: they match the text's last characters
    bool hasStar_ = false;
};

}  // namespace sentrel::detect
