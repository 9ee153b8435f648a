#include "srws/Text.h"

namespace sentrel::srws {

std::string_view firstCharacters(std::string_view text, std::size_t count) {
    const auto isContinuation = [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
    };
    std::size_t end = 0;
    for (; end < text.size() && count > 0; --count) {
        ++end;
        while (end < text.size() && isContinuation(text[end])) ++end;
    }
    return text.substr(0, end);
}

}  // namespace sentrel::srws
