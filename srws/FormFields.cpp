#include "srws/FormFields.h"

#include <QStringDecoder>

namespace sentrel::srws {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// One name or value: "+" and "%XX" decoded, then read as UTF-8.
std::optional<QString> decodePiece(QByteArrayView piece, QString* reason) {
    QByteArray bytes;
    bytes.reserve(piece.size());
    for (qsizetype i = 0; i < piece.size(); ++i) {
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
                *reason = QStringLiteral("a \"%\" is not followed by two hexadecimal digits");
                return std::nullopt;
            }
            bytes += char(high * 16 + low);
            i += 2;
        }
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError()) {
        *reason = QStringLiteral("a name or value is not valid UTF-8");
        return std::nullopt;
    }
    if (text.contains(QChar(0))) {
        *reason = QStringLiteral("a name or value holds a NUL character");
        return std::nullopt;
    }
    return text;
}

}  // namespace

std::optional<FormFields> FormFields::decode(const QByteArray& encoded, QString* reason) {
    FormFields form;
    for (const QByteArray& piece : encoded.split('&')) {
        if (piece.isEmpty()) continue;
        const qsizetype equals = piece.indexOf('=');
        const QByteArrayView name = QByteArrayView(piece).first(equals < 0 ? piece.size() : equals);
        const QByteArrayView value =
            equals < 0 ? QByteArrayView() : QByteArrayView(piece).sliced(equals + 1);
        auto decodedName = decodePiece(name, reason);
        if (!decodedName) return std::nullopt;
        auto decodedValue = decodePiece(value, reason);
        if (!decodedValue) return std::nullopt;
        form.fields_.append({*decodedName, *decodedValue});
    }
    return form;
}

bool FormFields::has(const QString& name) const {
    return value(name).has_value();
}

std::optional<QString> FormFields::value(const QString& name) const {
    for (auto it = fields_.crbegin(); it != fields_.crend(); ++it) {
        if (it->first.compare(name, Qt::CaseInsensitive) == 0) return it->second;
    }
    return std::nullopt;
}

}  // namespace sentrel::srws
