#include "registry/RegLine.h"

#include <QStringDecoder>
#include <QStringList>

namespace sentrel::reg {

namespace {

// The text of UTF-8 bytes; nullopt when they are not UTF-8, so that such a line is kept
// byte for byte instead of being read with replacement characters.
std::optional<QString> utf8Text(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

// The text a REG_SZ value can be written as in quotes, when its bytes are exactly those of
// that text and it stays on one line.
std::optional<QString> quotableText(const QByteArray& data) {
    if (data == QByteArray(1, '\0')) return QString();
    if (data.isEmpty() || data.contains('\0') || data.contains('\n') || data.contains('\r')) {
        return std::nullopt;
    }
    return utf8Text(data);
}

QByteArray quoted(const QString& text) {
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + '"';
}

QByteArray hexList(const QByteArray& data) {
    QByteArrayList bytes;
    for (const char c : data) bytes << QByteArray(1, c).toHex();
    return bytes.join(',');
}

QByteArray encodeData(const RegData& value) {
    if (value.type == REG_SZ) {
        if (const auto text = quotableText(value.data)) return quoted(*text);
    }
    if (value.type == REG_DWORD && value.data.size() == 4) {
        quint32 number = 0;
        for (int i = 3; i >= 0; --i) number = (number << 8) | quint8(value.data[i]);
        return "dword:" + QByteArray::number(number, 16).rightJustified(8, '0');
    }
    if (value.type == REG_BINARY) return "hex:" + hexList(value.data);
    return "hex(" + QByteArray::number(value.type, 16) + "):" + hexList(value.data);
}

// Reads a double-quoted text starting at `pos` (on the opening quote) and moves `pos` past
// the closing quote. A backslash escapes the next character; before anything but a
// backslash or quote it is kept as it stands, as a hand-written path would mean it.
std::optional<QString> readQuoted(const QByteArray& line, qsizetype& pos) {
    if (pos >= line.size() || line[pos] != '"') return std::nullopt;
    QByteArray out;
    for (++pos; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (c == '"') {
            ++pos;
            return utf8Text(out);
        }
        if (c == '\\' && pos + 1 < line.size()) {
            const char next = line[pos + 1];
            if (next == '\\' || next == '"') {
                out += next;
                ++pos;
                continue;
            }
        }
        out += c;
    }
    return std::nullopt;
}

std::optional<QByteArray> readHexList(const QByteArray& text) {
    QByteArray out;
    const QByteArray list = text.trimmed();
    if (list.isEmpty()) return out;
    for (const QByteArray& item : list.split(',')) {
        const QByteArray digits = item.trimmed();
        bool ok = false;
        const uint byte = digits.toUInt(&ok, 16);
        if (!ok || digits.size() > 2) return std::nullopt;
        out += char(byte);
    }
    return out;
}

std::optional<RegData> readDword(const QByteArray& digits) {
    bool ok = false;
    const quint32 number = digits.toUInt(&ok, 16);
    if (!ok || digits.size() > 8 || digits.startsWith('+') || digits.startsWith('-')) {
        return std::nullopt;
    }
    QByteArray data(4, '\0');
    for (int i = 0; i < 4; ++i) data[i] = char((number >> (8 * i)) & 0xff);
    return RegData{REG_DWORD, data};
}

// "hex(N):..." or "hex:..." after the '='.
std::optional<RegData> readHex(const QByteArray& text) {
    RegType type = REG_BINARY;
    qsizetype colon = 3;
    if (text.size() > 3 && text[3] == '(') {
        const qsizetype close = text.indexOf(')');
        if (close < 0) return std::nullopt;
        bool ok = false;
        type = text.mid(4, close - 4).toUInt(&ok, 16);
        if (!ok) return std::nullopt;
        colon = close + 1;
    }
    if (colon >= text.size() || text[colon] != ':') return std::nullopt;
    const auto bytes = readHexList(text.mid(colon + 1));
    if (!bytes) return std::nullopt;
    return RegData{type, *bytes};
}

std::optional<RegData> readData(const QByteArray& line, qsizetype pos) {
    const QByteArray rest = line.mid(pos).trimmed();
    if (rest.startsWith('"')) {
        qsizetype at = 0;
        const auto text = readQuoted(rest, at);
        if (!text || at != rest.size()) return std::nullopt;
        return RegData{REG_SZ, stringBytes(*text)};
    }
    const QByteArray lower = rest.toLower();
    if (lower.startsWith("dword:")) return readDword(rest.mid(6).trimmed());
    if (lower.startsWith("hex")) return readHex(lower);
    return std::nullopt;
}

void skipBlanks(const QByteArray& line, qsizetype& pos) {
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
}

}  // namespace

QByteArray RegLine::encode() const {
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r'))) return {};
    const QByteArray head = name.isEmpty() ? QByteArray("@") : quoted(name);
    return head + '=' + encodeData(value);
}

std::optional<RegLine> RegLine::decode(const QByteArray& rawLine) {
    const QByteArray line = rawLine.trimmed();
    qsizetype pos = 0;
    RegLine result;
    if (line.startsWith('@')) {
        pos = 1;
    } else {
        const auto name = readQuoted(line, pos);
        // A name with a carriage return could not be written back as a value line: such a
        // line is kept as it stands, like any other that is no value.
        if (!name || name->isEmpty() || name->contains(QLatin1Char('\r'))) return std::nullopt;
        result.name = *name;
    }
    skipBlanks(line, pos);
    if (pos >= line.size() || line[pos] != '=') return std::nullopt;
    const auto data = readData(line, pos + 1);
    if (!data) return std::nullopt;
    result.value = *data;
    return result;
}

}  // namespace sentrel::reg
