#pragma once

#include <array>
#include <string>
#include <string_view>

namespace sentrel::detect {

// The BDD file is its XML text scrambled byte by byte with a fixed key. The writer (the
// editor's export) and the reader (this library) must use exactly these functions so that
// both sides agree on the key.
//
// Byte i of the file is the text's byte i XOR key entry (i mod 253): the key index runs
// 0, 1, ..., 252, 0, 1, ... Because XOR is its own inverse, scrambling scrambled bytes again
// restores the text exactly; UnscrambleBytes says so in the reader's words.

// Entries 0 to 252 are used; entry 253 exists in the table but never is.
inline constexpr int kScrambleKeyLength = 253;
using ScrambleKey = std::array<int, kScrambleKeyLength + 1>;

// Fills `key` from the three constant lists: every entry is a signed byte value (-128..127)
// held in an int. No entry is 0, so every byte of a scrambled file differs from the text.
void BuildScrambleKey(ScrambleKey& key);

// Writes the scrambled copy of `source` to `result` and returns 0, or the number of the error
// that stopped it (7, out of memory). With `fromFirstByte` false the first two bytes of the
// source are left out of the result (a source shorter than that gives an empty result) and
// the key still starts at entry 0 with the first byte written. The export passes true.
int ScrambleBytes(std::string_view source, std::string& result, bool fromFirstByte);

// The inverse of ScrambleBytes with the same flag: restores the text of a BDD file.
int UnscrambleBytes(std::string_view source, std::string& result, bool fromFirstByte);

}  // namespace sentrel::detect
