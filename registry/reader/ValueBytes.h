#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sentrel::reg {

// What the stored bytes of the two value types that are read as values mean.

// The text of REG_SZ bytes: one trailing NUL (a terminator, or the empty text's only byte)
// dropped.
std::string_view textOfStringBytes(std::string_view data);
// The number of REG_DWORD bytes: the first four, little-endian; nullopt when there are fewer
// (the value's data is invalid).
std::optional<std::int32_t> numberOfDwordBytes(std::string_view data);

}  // namespace sentrel::reg
