#include "detect/tool/JsonString.h"

#include <cstdio>
#include <utility>

#include "detect/Utf8.h"

namespace sentrel::detect {

namespace {

constexpr std::pair<char32_t, std::string_view> kShortEscapes[] = {
    {U'"', "\\\""}, {U'\\', "\\\\"}, {U'\b', "\\b"}, {U'\f', "\\f"},
    {U'\n', "\\n"}, {U'\r', "\\r"},  {U'\t', "\\t"}};

void appendEscaped(std::string& out, char32_t c) {
    for (const auto& [special, escape] : kShortEscapes) {
        if (c == special) {
            out += escape;
            return;
        }
    }
    if (c < 0x20) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
        out += escaped;
    } else if (isUndecodableByte(c)) {
        out += "\\ufffd";
    } else {
        appendUtf8(out, c);
    }
}

}  // namespace

std::string jsonString(std::string_view text) {
    std::u32string characters;
    decodeUtf8(text, characters, Folding::None);
    std::string out = "\"";
    for (char32_t c : characters) appendEscaped(out, c);
    out += '"';
    return out;
}

}  // namespace sentrel::detect
