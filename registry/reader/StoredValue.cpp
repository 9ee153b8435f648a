#include "registry/reader/StoredValue.h"

#include <charconv>
#include <string_view>

namespace sentrel::reg {

namespace {

// The length of a Unicode blank (as the editor's text functions count them: ASCII white
// space, U+0085, U+00A0, U+1680, U+2000 to U+200A, U+2028, U+2029, U+202F, U+205F and
// U+3000) that `text` starts with, or 0.
std::size_t blankAtStart(std::string_view text) {
    if (text.empty()) return 0;
    const char c = text[0];
    if (c == ' ' || (c >= '\t' && c <= '\r')) return 1;
    for (const std::string_view blank :
         {"\xC2\x85", "\xC2\xA0", "\xE1\x9A\x80", "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\xAF",
          "\xE2\x81\x9F", "\xE3\x80\x80"}) {
        if (text.starts_with(blank)) return blank.size();
    }
    // U+2000 to U+200A
    const bool space2000 = text.size() >= 3 && text.starts_with("\xE2\x80") &&
                           static_cast<unsigned char>(text[2]) >= 0x80 &&
                           static_cast<unsigned char>(text[2]) <= 0x8A;
    return space2000 ? 3 : 0;
}

std::size_t blankAtEnd(std::string_view text) {
    for (std::size_t length = 1; length <= 3 && length <= text.size(); ++length) {
        if (blankAtStart(text.substr(text.size() - length)) == length) return length;
    }
    return 0;
}

std::string_view withoutBlanks(std::string_view text) {
    while (const std::size_t length = blankAtStart(text)) text.remove_prefix(length);
    while (const std::size_t length = blankAtEnd(text)) text.remove_suffix(length);
    return text;
}

}  // namespace

std::string StoredValue::toString() const {
    if (kind == Kind::Text) return text;
    if (kind == Kind::Number) return std::to_string(number);
    return {};
}

std::optional<std::int32_t> StoredValue::toInt() const {
    if (kind == Kind::Number) return number;
    if (kind != Kind::Text) return std::nullopt;
    std::string_view digits = withoutBlanks(text);
    if (digits.starts_with('+') && !digits.starts_with("+-")) digits.remove_prefix(1);
    std::int32_t parsed = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return parsed;
}

}  // namespace sentrel::reg
