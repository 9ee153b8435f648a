#include "srws/FormFields.h"

#include "srws/Text.h"

namespace sentrel::srws {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// One name or value: "+" and "%XX" decoded, then checked to be UTF-8 without NUL.
std::optional<std::string> decodePiece(std::string_view piece, std::string* reason) {
    std::string bytes;
    bytes.reserve(piece.size());
    for (std::size_t i = 0; i < piece.size(); ++i) {
        const char c = piece[i];
        if (c == '+') {
            bytes += ' ';
        } else if (c != '%') {
            bytes += c;
        } else {
            const bool complete = i + 2 < piece.size();
            const int high = complete ? hexDigit(piece[i + 1]) : -1;
            const int low = complete ? hexDigit(piece[i + 2]) : -1;
            if (high < 0 || low < 0) {
                *reason = "a \"%\" is not followed by two hexadecimal digits";
                return std::nullopt;
            }
            bytes += char(high * 16 + low);
            i += 2;
        }
    }
    if (!isValidUtf8(bytes)) {
        *reason = "a name or value is not valid UTF-8";
        return std::nullopt;
    }
    if (bytes.find('\0') != std::string::npos) {
        *reason = "a name or value holds a NUL character";
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

std::optional<FormFields> FormFields::decode(std::string_view encoded, std::string* reason) {
    FormFields form;
    while (!encoded.empty()) {
        const std::size_t amp = encoded.find('&');
        const std::string_view piece = encoded.substr(0, amp);
        encoded.remove_prefix(amp == std::string_view::npos ? encoded.size() : amp + 1);
        if (piece.empty()) continue;
        const std::size_t equals = piece.find('=');
        auto name = decodePiece(piece.substr(0, equals), reason);
        if (!name) return std::nullopt;
        auto value = decodePiece(
            equals == std::string_view::npos ? std::string_view() : piece.substr(equals + 1),
            reason);
        if (!value) return std::nullopt;
        form.fields_.emplace_back(std::move(*name), std::move(*value));
    }
    return form;
}

const std::string* FormFields::find(std::string_view name) const {
    for (auto it = fields_.crbegin(); it != fields_.crend(); ++it) {
        if (equalIgnoringAsciiCase(it->first, name)) return &it->second;
    }
    return nullptr;
}

}  // namespace sentrel::srws
