#include "registry/reader/PlainText.h"

#include <algorithm>
#include <charconv>

namespace sentrel::reg {

bool isAsciiSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isAsciiSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isAsciiSpace(text.back())) text.remove_suffix(1);
    return text;
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

namespace {

// The length of the UTF-8 sequence starting at `at` and the smallest value its second byte
// may take, or 0 for a byte that cannot start one.
struct LeadByte {
    int length;
    unsigned char low;
    unsigned char high;
};

LeadByte leadByte(unsigned char c) {
    if (c < 0x80) return {1, 0, 0};
    if (c < 0xC2) return {0, 0, 0};
    if (c < 0xE0) return {2, 0x80, 0xBF};
    if (c == 0xE0) return {3, 0xA0, 0xBF};
    if (c == 0xED) return {3, 0x80, 0x9F};  // no surrogates
    if (c < 0xF0) return {3, 0x80, 0xBF};
    if (c == 0xF0) return {4, 0x90, 0xBF};
    if (c < 0xF4) return {4, 0x80, 0xBF};
    if (c == 0xF4) return {4, 0x80, 0x8F};  // nothing beyond U+10FFFF
    return {0, 0, 0};
}

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const LeadByte lead = leadByte((unsigned char)bytes[i]);
        if (lead.length == 0 || i + lead.length > bytes.size()) return false;
        if (lead.length > 1) {
            const auto second = (unsigned char)bytes[i + 1];
            if (second < lead.low || second > lead.high) return false;
            for (int k = 2; k < lead.length; ++k) {
                if (!isContinuation((unsigned char)bytes[i + k])) return false;
            }
        }
        i += lead.length;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

std::optional<std::uint32_t> parseHexNumber(std::string_view text) {
    text = trimmed(text.substr(0, text.find('\0')));
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
    }
    std::uint32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, 16);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

}  // namespace sentrel::reg
