#include "detect/Utf8.h"

#include "detect/CaseFolding.h"

namespace sentrel::detect {

namespace {

bool isContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Decodes the sequence at `text[pos]`; sets `length` to the bytes used. Overlong forms,
// surrogates and values past U+10FFFF count as invalid.
char32_t decodeOne(std::string_view text, size_t pos, size_t& length) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    length = 1;
    if (lead < 0x80) return lead;
    size_t need = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        need = 1, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        need = 2, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        need = 3, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return kUndecodableByte + lead;
    }
    if (pos + need >= text.size()) return kUndecodableByte + lead;
    for (size_t i = 1; i <= need; ++i) {
        const auto b = static_cast<unsigned char>(text[pos + i]);
        if (!isContinuation(b)) return kUndecodableByte + lead;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return kUndecodableByte + lead;
    }
    length = need + 1;
    return cp;
}

}  // namespace

void decodeUtf8(std::string_view text, std::u32string& out, Folding folding) {
    out.resize(text.size());  // never more code points than bytes
    char32_t* const begin = out.data();
    char32_t* next = begin;
    const bool foldAsciiRuns = folding != Folding::None;
    size_t pos = 0;
    while (pos < text.size()) {
        // ASCII runs, nearly all of a user agent: found first, then copied in a loop of known
        // length, which the compiler vectorises.
        size_t runEnd = pos;
        while (runEnd < text.size() && static_cast<unsigned char>(text[runEnd]) < 0x80) ++runEnd;
        for (; pos < runEnd; ++pos) {
            const auto b = static_cast<unsigned char>(text[pos]);
            *next++ = foldAsciiRuns ? foldAscii(b) : b;
        }
        if (pos == text.size()) break;
        size_t length = 1;
        const char32_t c = decodeOne(text, pos, length);
        *next++ = folding == Folding::Simple ? foldBeyondAscii(c) : c;
        pos += length;
    }
    out.resize(static_cast<size_t>(next - begin));
}

std::u32string decodeFolded(std::string_view text) {
    std::u32string out;
    decodeUtf8(text, out, Folding::Simple);
    return out;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace sentrel::detect
