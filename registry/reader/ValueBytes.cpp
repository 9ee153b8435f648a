#include "registry/reader/ValueBytes.h"

namespace sentrel::reg {

std::string_view textOfStringBytes(std::string_view data) {
    if (data.ends_with('\0')) data.remove_suffix(1);
    return data;
}

std::optional<std::int32_t> numberOfDwordBytes(std::string_view data) {
    if (data.size() < 4) return std::nullopt;
    std::uint32_t number = 0;
    for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(data[i]);
    return static_cast<std::int32_t>(number);
}

}  // namespace sentrel::reg
