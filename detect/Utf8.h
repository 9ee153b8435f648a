#pragma once

#include <string>
#include <string_view>

namespace sentrel::detect {

// How decodeUtf8() folds case.
enum class Folding {
    None,
    // ASCII letters only: the quick path that every ASCII character takes anyway; kept as a
    // whole mode so that the benchmark can set full folding against it in one run.
    AsciiOnly,
    // Unicode's simple case folding (CaseFolding.h), as matching compares text.
    Simple,
};

// Turns UTF-8 text into code points so that a pattern's "?" stands for one character, not
// one byte. A byte that does not start a valid sequence becomes a code point of its own
// (kUndecodableByte + byte, never produced by valid text), so damaged text still matches
// itself. `out` is cleared first, so callers can reuse one buffer.
void decodeUtf8(std::string_view text, std::u32string& out, Folding folding);

// The folded code points of `text`, as patterns match them.
std::u32string decodeFolded(std::string_view text);

constexpr char32_t kUndecodableByte = 0xDC00;

constexpr bool isUndecodableByte(char32_t c) {
    return c >= kUndecodableByte + 0x80 && c <= kUndecodableByte + 0xFF;
}

// Appends the UTF-8 form of a code point (which must not be a surrogate).
void appendUtf8(std::string& out, char32_t c);

}  // namespace sentrel::detect
