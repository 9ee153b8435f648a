#include "document/FieldCodec.h"

namespace sentrel::doc::field_codec {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool isLineSeparator(char16_t c) {
    return c == 0x85 || c == 0x2028 || c == 0x2029;
}

bool needsEscape(QChar c, Position position) {
    const char16_t u = c.unicode();
    return u < 0x20 || u == 0x7f || u == u'\\' || (u == u' ' && position == Position::Inner) ||
           c.isSurrogate() || isLineSeparator(u);
}

void appendHex(QString& out, char16_t value, int digits) {
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
        out.append(QLatin1Char(kHex[(value >> shift) & 0xf]));
    }
}

// Appends a surrogate pair as it stands; anything else that needs escaping as its escape.
// Returns how many characters of `text` from `i` were consumed.
qsizetype appendSpecial(QString& out, QStringView text, qsizetype i) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        out.append(c);
        out.append(text[i + 1]);
        return 2;
    }
    switch (c.unicode()) {
        case u'\\':
            out.append(QLatin1String("\\\\"));
            break;
        case u'\n':
            out.append(QLatin1String("\\n"));
            break;
        case u'\r':
            out.append(QLatin1String("\\r"));
            break;
        case u'\t':
            out.append(QLatin1String("\\t"));
            break;
        case u' ':
            out.append(QLatin1String("\\s"));
            break;
        default:
            if (c.unicode() < 0x100) {
                out.append(QLatin1String("\\x"));
                appendHex(out, c.unicode(), 2);
            } else {
                out.append(QLatin1String("\\u"));
                appendHex(out, c.unicode(), 4);
            }
    }
    return 1;
}

std::optional<char16_t> parseHex(QStringView digits) {
    char16_t value = 0;
    for (const QChar d : digits) {
        const char16_t u = d.unicode();
        int v = -1;
        if (u >= u'0' && u <= u'9') v = u - u'0';
        if (u >= u'A' && u <= u'F') v = u - u'A' + 10;
        if (u >= u'a' && u <= u'f') v = u - u'a' + 10;
        if (v < 0) return std::nullopt;
        value = static_cast<char16_t>(value * 16 + v);
    }
    return value;
}

}  // namespace

void appendEscaped(QString& out, QStringView text, Position position) {
    qsizetype plainStart = 0;
    for (qsizetype i = 0; i < text.size();) {
        if (!needsEscape(text[i], position)) {
            ++i;
            continue;
        }
        out.append(text.mid(plainStart, i - plainStart));
        i += appendSpecial(out, text, i);
        plainStart = i;
    }
    const bool trailingSpace =
        position == Position::Last && plainStart < text.size() && text.back() == u' ';
    out.append(text.mid(plainStart, text.size() - plainStart - (trailingSpace ? 1 : 0)));
    if (trailingSpace) out.append(QLatin1String("\\s"));
}

std::optional<QString> unescape(QStringView field) {
    if (!field.contains(u'\\')) return field.toString();
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != u'\\') {
            out.append(field[i]);
            continue;
        }
        if (++i >= field.size()) return std::nullopt;
        switch (field[i].unicode()) {
            case u'\\':
                out.append(u'\\');
                break;
            case u'n':
                out.append(u'\n');
                break;
            case u'r':
                out.append(u'\r');
                break;
            case u't':
                out.append(u'\t');
                break;
            case u's':
                out.append(u' ');
                break;
            case u'x':
            case u'u': {
                const qsizetype digits = field[i] == u'x' ? 2 : 4;
                if (i + digits >= field.size()) return std::nullopt;
                const auto value = parseHex(field.mid(i + 1, digits));
                if (!value) return std::nullopt;
                out.append(QChar(*value));
                i += digits;
                break;
            }
            default:
                return std::nullopt;
        }
    }
    return out;
}

}  // namespace sentrel::doc::field_codec
