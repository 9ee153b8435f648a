#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sentrel::reg {

// A value as GetKeyValue answers it: nothing, a text (REG_SZ) or a number (REG_DWORD).
struct StoredValue {
    enum class Kind { None, Text, Number };
    Kind kind = Kind::None;
    std::string text;         // UTF-8, for Text
    std::int32_t number = 0;  // for Number

    // The text, or the number's decimal text; "" for None.
    std::string toString() const;
    // The number, or the text read as a decimal integer (an optional sign and digits) after
    // trimming blanks; nullopt otherwise, and when it does not fit 32 bits.
    std::optional<std::int32_t> toInt() const;

    bool operator==(const StoredValue&) const = default;
};

}  // namespace sentrel::reg
