#pragma once

#include <utility>
#include <vector>

namespace sentrel::detect {

// Unicode's simple case folding: every code point maps to at most one other, so folding
// keeps the number of characters ("?" still stands for one). Matching folds both the user
// agent and the pattern, so "É" and "é", "K" (Kelvin sign) and "k" compare equal. Code
// points that are not characters, such as the stand-ins for undecodable bytes, stay as
// they are.

constexpr char32_t foldAscii(char32_t c) {
    return (c >= U'A' && c <= U'Z') ? c + 32 : c;
}

// Folding for code points above ASCII: a search of the generated table.
char32_t foldBeyondAscii(char32_t c);

// ASCII, nearly all of a user agent, is folded inline.
inline char32_t foldCase(char32_t c) {
    return c < 0x80 ? foldAscii(c) : foldBeyondAscii(c);
}

// The code points that the code points of [low, high] fold to, for those that fold to
// another one: as ranges, in table order (neither sorted nor merged).
std::vector<std::pair<char32_t, char32_t>> foldedImages(char32_t low, char32_t high);

}  // namespace sentrel::detect
