#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sentrel::reg {

// One named value as it stands on a line of a values file, in REGEDIT4 value syntax:
//   "name"="text"         REG_SZ (backslash and double quote escaped with a backslash)
//   "name"=dword:0000002a REG_DWORD
//   "name"=hex:01,02      REG_BINARY
//   "name"=hex(N):..      any other type N (hexadecimal), and REG_SZ bytes that the quoted
//                         form cannot carry (line breaks, invalid UTF-8)
// "@" in place of the quoted name stands for the key's unnamed value.
struct ValueLine {
    std::string name;  // UTF-8; empty for "@"
    std::uint32_t type = 0;
    // The value's bytes as the store keeps them: a REG_SZ is its UTF-8 text without
    // terminator, the empty text one NUL byte.
    std::string data;
};

// Reads a line; nullopt when it is not a well-formed value line. Quoted texts must be
// UTF-8 (a byte-order mark in them is kept as text); a name holding a carriage return
// is refused, since it could not be written back on one line.
std::optional<ValueLine> decodeValueLine(std::string_view line);

}  // namespace sentrel::reg
