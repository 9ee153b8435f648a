#pragma once

#include <string_view>

#include "registry/reader/PlainText.h"

namespace sentrel::srws {

// Text helpers of the service, on UTF-8 in std::string: the service loads no text library.
// It shares the byte-level helpers of the key store reader.
using reg::equalIgnoringAsciiCase;
using reg::isValidUtf8;
using reg::trimmed;

// The first `count` characters (code points) of UTF-8 text.
std::string_view firstCharacters(std::string_view text, std::size_t count);

}  // namespace sentrel::srws
