#pragma once

#include <string>
#include <string_view>

namespace sentrel::detect {

// `text` as a JSON string literal, quotes included, that is valid JSON whatever `text` holds:
// quotation marks, backslashes and control characters are escaped, and a byte that is not
// valid UTF-8 becomes U+FFFD (the replacement character, written "\ufffd").
std::string jsonString(std::string_view text);

}  // namespace sentrel::detect
