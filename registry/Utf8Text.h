#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

namespace sentrel::reg {

// Conversions between the plain key store code's UTF-8 bytes and Qt text. Every character
// is kept, a byte-order mark in front included (QString::fromUtf8 would drop it).
QString textOfUtf8(std::string_view bytes);
std::string utf8OfText(const QString& text);

inline std::string_view bytesView(const QByteArray& bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}
inline QByteArray byteArrayOf(std::string_view bytes) {
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

}  // namespace sentrel::reg
