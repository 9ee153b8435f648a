#include "registry/RegLine.h"

#include <QStringList>

#include "registry/Utf8Text.h"
#include "registry/reader/PlainText.h"
#include "registry/reader/ValueBytes.h"
#include "registry/reader/ValueLine.h"

namespace sentrel::reg {

namespace {

// The text a REG_SZ value can be written as in quotes, when its bytes are exactly those of
// that text and it stays on one line.
std::optional<QString> quotableText(const QByteArray& data) {
    if (data == QByteArray(1, '\0')) return QString();
    if (data.isEmpty() || data.contains('\0') || data.contains('\n') || data.contains('\r')) {
        return std::nullopt;
    }
    if (!isValidUtf8(bytesView(data))) return std::nullopt;
    return textOfUtf8(bytesView(data));
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
        const auto number = quint32(*numberOfDwordBytes(bytesView(value.data)));
        return "dword:" + QByteArray::number(number, 16).rightJustified(8, '0');
    }
    if (value.type == REG_BINARY) return "hex:" + hexList(value.data);
    return "hex(" + QByteArray::number(value.type, 16) + "):" + hexList(value.data);
}

}  // namespace

QByteArray RegLine::encode() const {
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r'))) return {};
    const QByteArray head = name.isEmpty() ? QByteArray("@") : quoted(name);
    return head + '=' + encodeData(value);
}

std::optional<RegLine> RegLine::decode(const QByteArray& line) {
    auto decoded = decodeValueLine(bytesView(line));
    if (!decoded) return std::nullopt;
    return RegLine{textOfUtf8(decoded->name), {decoded->type, byteArrayOf(decoded->data)}};
}

}  // namespace sentrel::reg
