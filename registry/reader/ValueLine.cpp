#include "registry/reader/ValueLine.h"

#include "registry/RegistryConstants.h"
#include "registry/reader/PlainText.h"

namespace sentrel::reg {

namespace {

// The text of UTF-8 bytes; nullopt when they are not UTF-8, so that such a line is kept
// byte for byte instead of being read with replacement characters. A byte-order mark inside
// the quotes is part of the text.
std::optional<std::string> utf8Text(std::string bytes) {
    if (!isValidUtf8(bytes)) return std::nullopt;
    return bytes;
}

// Reads a double-quoted text starting at `pos` (on the opening quote) and moves `pos` past
// the closing quote. A backslash escapes the next character; before anything but a
// backslash or quote it is kept as it stands, as a hand-written path would mean it.
std::optional<std::string> readQuoted(std::string_view line, std::size_t& pos) {
    if (pos >= line.size() || line[pos] != '"') return std::nullopt;
    std::string out;
    for (++pos; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (c == '"') {
            ++pos;
            return utf8Text(std::move(out));
        }
        const bool escape = c == '\\' && pos + 1 < line.size() &&
                            (line[pos + 1] == '\\' || line[pos + 1] == '"');
        out += escape ? line[++pos] : c;
    }
    return std::nullopt;
}

std::optional<std::string> readHexList(std::string_view text) {
    std::string out;
    text = trimmed(text);
    if (text.empty()) return out;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view digits = trimmed(text.substr(0, comma));
        const auto byte = parseHexNumber(digits);
        if (!byte || digits.size() > 2) return std::nullopt;
        out += char(*byte);
        if (comma == std::string_view::npos) return out;
        text.remove_prefix(comma + 1);
    }
}

std::optional<ValueLine> readDword(std::string_view digits) {
    const auto number = parseHexNumber(digits);
    if (!number || digits.size() > 8 || digits.starts_with('+') || digits.starts_with('-')) {
        return std::nullopt;
    }
    std::string data(4, '\0');
    for (int i = 0; i < 4; ++i) data[i] = char((*number >> (8 * i)) & 0xff);
    return ValueLine{{}, REG_DWORD, std::move(data)};
}

// "hex(N):..." or "hex:..." after the '=', in lower case.
std::optional<ValueLine> readHex(std::string_view text) {
    std::uint32_t type = REG_BINARY;
    std::size_t colon = 3;
    if (text.size() > 3 && text[3] == '(') {
        const std::size_t close = text.find(')');
        if (close == std::string_view::npos) return std::nullopt;
        const auto number = parseHexNumber(text.substr(4, close - 4));
        if (!number) return std::nullopt;
        type = *number;
        colon = close + 1;
    }
    if (colon >= text.size() || text[colon] != ':') return std::nullopt;
    auto bytes = readHexList(text.substr(colon + 1));
    if (!bytes) return std::nullopt;
    return ValueLine{{}, type, std::move(*bytes)};
}

std::optional<ValueLine> readData(std::string_view line, std::size_t pos) {
    const std::string_view rest = trimmed(line.substr(pos));
    if (rest.starts_with('"')) {
        std::size_t at = 0;
        auto text = readQuoted(rest, at);
        if (!text || at != rest.size()) return std::nullopt;
        if (text->empty()) text->push_back('\0');
        return ValueLine{{}, REG_SZ, std::move(*text)};
    }
    std::string lower(rest);
    for (char& c : lower) c = asciiLower(c);
    if (lower.starts_with("dword:")) return readDword(trimmed(rest.substr(6)));
    if (lower.starts_with("hex")) return readHex(lower);
    return std::nullopt;
}

void skipBlanks(std::string_view line, std::size_t& pos) {
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
}

}  // namespace

std::optional<ValueLine> decodeValueLine(std::string_view rawLine) {
    const std::string_view line = trimmed(rawLine);
    std::size_t pos = 0;
    std::string name;
    if (line.starts_with('@')) {
        pos = 1;
    } else {
        auto quoted = readQuoted(line, pos);
        if (!quoted || quoted->empty() || quoted->find('\r') != std::string::npos) {
            return std::nullopt;
        }
        name = std::move(*quoted);
    }
    skipBlanks(line, pos);
    if (pos >= line.size() || line[pos] != '=') return std::nullopt;
    auto value = readData(line, pos + 1);
    if (value) value->name = std::move(name);
    return value;
}

}  // namespace sentrel::reg
