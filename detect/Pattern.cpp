#include "detect/Pattern.h"

#include <algorithm>

#include "detect/CaseFolding.h"
#include "detect/Utf8.h"

namespace sentrel::detect {

namespace {

constexpr char32_t kAsciiEnd = 128;

}  // namespace

bool Pattern::CharList::contains(char32_t c) const {
    bool found = false;
    if (c < kAsciiEnd) {
        found = ascii.test(c);
    } else {
        found = std::any_of(ranges.begin(), ranges.end(),
                            [c](const auto& r) { return c >= r.first && c <= r.second; });
    }
    return found != negated;
}

Pattern::Pattern(std::string_view pattern) : text_(pattern) {
    std::u32string source;
    decodeUtf8(pattern, source, Folding::None);
    for (size_t i = 0; i < source.size();) {
        const char32_t c = source[i];
        if (c == U'[') {
            i = parseList(source, i);
            continue;
        }
        if (c == U'*') {
            addToken({Kind::Star});
        } else if (c == U'?') {
            addToken({Kind::AnyChar});
        } else if (c == U'#') {
            addToken({Kind::Digit});
        } else {
            addToken({Kind::Literal, foldCase(c)});
        }
        ++i;
    }
    collectRequiredRuns();
}

// Parses the list that opens at `open` and returns the index after it. An unclosed list is
// a literal "[".
size_t Pattern::parseList(const std::u32string& source, size_t open) {
    size_t first = open + 1;
    const bool negated = first < source.size() && source[first] == U'!';
    if (negated) ++first;
    const size_t close =
        first < source.size() ? source.find(U']', first + 1) : std::u32string::npos;
    if (close == std::u32string::npos) {
        addToken({Kind::Literal, U'['});
        return open + 1;
    }
    if (!negated && close == first + 1) {  // one member: just a literal character
        addToken({Kind::Literal, foldCase(source[first])});
        return close + 1;
    }
    CharList list;
    list.negated = negated;
    for (size_t j = first; j < close;) {
        char32_t low = source[j];
        char32_t high = low;
        if (j + 2 < close && source[j + 1] == U'-') {
            high = source[j + 2];
            if (high < low) std::swap(low, high);
            j += 3;
        } else {
            ++j;
        }
        list.add(low, high);
    }
    list.normalize();
    lists_.push_back(std::move(list));
    addToken({Kind::List, 0, static_cast<int>(lists_.size() - 1)});
    return close + 1;
}

// Text reaches a list folded, so the list holds its characters as folding leaves them: a
// range keeps its own characters and gains those they fold to ("[À-Þ]" gains "à-þ").
void Pattern::CharList::add(char32_t low, char32_t high) {
    addFolded(low, high);
    if (high < kAsciiEnd) return;
    for (const auto& [first, last] : foldedImages(std::max(low, kAsciiEnd), high)) {
        addFolded(first, last);
    }
}

// ASCII capitals never reach a list: they are stored as small letters.
void Pattern::CharList::addFolded(char32_t low, char32_t high) {
    for (char32_t c = low; c <= high && c < kAsciiEnd; ++c) ascii.set(foldAscii(c));
    if (high >= kAsciiEnd) ranges.emplace_back(std::max(low, kAsciiEnd), high);
}

// Lists keep their non-ASCII ranges sorted and merged, so that one set of characters has one
// form in matchKey().
void Pattern::CharList::normalize() {
    std::sort(ranges.begin(), ranges.end());
    std::vector<std::pair<char32_t, char32_t>> merged;
    for (const auto& range : ranges) {
        if (!merged.empty() && range.first <= merged.back().second + 1) {
            merged.back().second = std::max(merged.back().second, range.second);
        } else {
            merged.push_back(range);
        }
    }
    ranges = std::move(merged);
}

void Pattern::addToken(Token token) {
    if (token.kind == Kind::Star && !tokens_.empty() && tokens_.back().kind == Kind::Star) return;
    if (token.kind == Kind::Literal || token.kind == Kind::List) ++literalCount_;
    if (token.kind != Kind::Star) ++minimumLength_;
    tail_ = token.kind == Kind::Star ? 0 : tail_ + 1;
    hasStar_ = hasStar_ || token.kind == Kind::Star;
    tokens_.push_back(token);
}

void Pattern::collectRequiredRuns() {
    std::string run;
    for (const Token& token : tokens_) {
        if (token.kind == Kind::Literal && token.literal < kAsciiEnd) {
            run.push_back(static_cast<char>(token.literal));
            continue;
        }
        if (!run.empty()) requiredRuns_.push_back(std::move(run));
        run.clear();
    }
    if (!run.empty()) requiredRuns_.push_back(std::move(run));
}

// Tokens other than literals are written as code points past U+10FFFF, which no literal is.
std::u32string Pattern::matchKey() const {
    constexpr char32_t kMark = 0x110000;
    std::u32string key;
    for (const Token& token : tokens_) {
        if (token.kind == Kind::Literal) {
            key.push_back(token.literal);
            continue;
        }
        key.push_back(kMark + static_cast<char32_t>(token.kind));
        if (token.kind != Kind::List) continue;
        const CharList& list = lists_[token.list];
        key.push_back(list.negated ? kMark : kMark + 1);
        for (char32_t c = 0; c < kAsciiEnd; ++c) {
            if (list.ascii.test(c)) key.push_back(c);
        }
        for (const auto& [low, high] : list.ranges) key += {low, high};
        key.push_back(kMark);
    }
    return key;
}

bool Pattern::wildcardMatches(const Token& token, char32_t c) const {
    switch (token.kind) {
        case Kind::Literal:
            return token.literal == c;
        case Kind::AnyChar:
            return true;
        case Kind::Digit:
            return c >= U'0' && c <= U'9';
        case Kind::List:
            return lists_[token.list].contains(c);
        case Kind::Star:
            break;
    }
    return false;
}

bool Pattern::matches(std::string_view text) const {
    if (tokens_.empty()) return false;
    return matchesFolded(decodeFolded(text));
}

// The tokens after the last star must match the last characters one for one; testing them
// first turns away most texts that differ only near the end without walking the whole text.
// The caller has checked that the text is at least minimumLength_ long.
bool Pattern::tailMatches(std::u32string_view text) const {
    if (!hasStar_ && text.size() != minimumLength_) return false;
    for (size_t k = 1; k <= tail_; ++k) {
        if (!tokenMatches(tokens_[tokens_.size() - k], text[text.size() - k])) return false;
    }
    return true;
}

// After a star, a literal token can only match where the text holds that character: moves
// `at` there, or returns false when the rest of the text has none.
bool Pattern::skipToLiteral(size_t token, std::u32string_view text, size_t& at) const {
    if (token >= tokens_.size() || tokens_[token].kind != Kind::Literal) return true;
    at = text.find(tokens_[token].literal, at);
    return at != std::u32string_view::npos;
}

// Greedy matching with backtracking to the most recent star only. When a later star is
// reached, earlier stars never need to give up characters again, which bounds the work by
// text length x token count.
bool Pattern::matchesFolded(std::u32string_view text) const {
    if (tokens_.empty() || text.size() < minimumLength_ || !tailMatches(text)) return false;
    constexpr size_t kNone = static_cast<size_t>(-1);
    size_t p = 0;
    size_t i = 0;
    size_t starToken = kNone;
    size_t starText = 0;
    while (i < text.size()) {
        if (p < tokens_.size() && tokens_[p].kind == Kind::Star) {
            starToken = p++;
            if (!skipToLiteral(p, text, i)) return false;
            starText = i;
        } else if (p < tokens_.size() && tokenMatches(tokens_[p], text[i])) {
            ++p;
            ++i;
        } else if (starToken != kNone) {
            p = starToken + 1;
            i = starText + 1;
            if (!skipToLiteral(p, text, i)) return false;
            starText = i;
        } else {
            return false;
        }
    }
    while (p < tokens_.size() && tokens_[p].kind == Kind::Star) ++p;
    return p == tokens_.size();
}

}  // namespace sentrel::detect
