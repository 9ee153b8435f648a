#pragma once

#include <string>
#include <string_view>

namespace sentrel::srws {

// Text helpers of the service, on UTF-8 in std::string: the service loads no text library.

// Whether `bytes` are well-formed UTF-8 (no overlong forms, surrogates or code points above
// U+10FFFF).
bool isUtf8(std::string_view bytes);
// The first `count` characters (code points) of UTF-8 text.
std::string_view firstCharacters(std::string_view text, std::size_t count);
// Whether two texts are equal when ASCII letters are compared without regard to case.
bool equalsIgnoringCase(std::string_view a, std::string_view b);
// `text` without the blanks (space, tab, line breaks, vertical tab, form feed) at either end.
std::string_view trimmed(std::string_view text);

}  // namespace sentrel::srws
