#pragma once

#include <string>
#include <string_view>

namespace sentrel::detect {

// Turns UTF-8 text into code points so that a pattern's "?" stands for one character, not
// one byte. A byte that does not start a valid sequence becomes a code point of its own
// (0xDC00 + byte, never produced by valid text), so damaged text still matches itself.
// With `foldCase`, ASCII letters are folded to lower case, which is all the case folding
// matching does. `out` is cleared first, so callers can reuse one buffer.
void decodeUtf8(std::string_view text, std::u32string& out, bool foldCase);

// The folded code points of `text`, as patterns match them.
std::u32string decodeFolded(std::string_view text);

constexpr char32_t foldAscii(char32_t c) {
    return (c >= U'A' && c <= U'Z') ? c + 32 : c;
}

}  // namespace sentrel::detect
