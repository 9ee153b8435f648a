#pragma once

#include <string>
#include <string_view>

namespace sentrel::detect {

// ASCII case folding for names: property names, entry names, cookie and variable names.
std::string toLowerAscii(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
bool startsWithIgnoreCase(std::string_view text, std::string_view prefix);
// `text` without blanks, tabs, CR and LF at either end.
std::string_view trimmed(std::string_view text);

}  // namespace sentrel::detect
