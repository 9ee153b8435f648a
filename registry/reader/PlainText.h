#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sentrel::reg {

// Byte-level text helpers of the key store's files, all on UTF-8 or ASCII bytes.

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Space, tab, line feed, vertical tab, form feed, carriage return.
bool isAsciiSpace(char c);
// Without the ASCII white space at both ends.
std::string_view trimmed(std::string_view text);
char asciiLower(char c);
// Equal when ASCII letters are compared without regard to case.
bool equalIgnoringAsciiCase(std::string_view a, std::string_view b);
// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or code points
// beyond U+10FFFF).
bool isValidUtf8(std::string_view bytes);
// Appends the UTF-8 form of a code point.
void appendUtf8(std::string& out, char32_t code);
// A number in hexadecimal digits as the key store has always read them: blanks around it,
// a "+" and a "0x" in front allowed, anything from a NUL byte on ignored (the number was
// always read as a C string); nullopt when there is anything else or it exceeds 32 bits.
std::optional<std::uint32_t> parseHexNumber(std::string_view text);

}  // namespace sentrel::reg
