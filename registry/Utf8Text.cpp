#include "registry/Utf8Text.h"

#include <QStringDecoder>

namespace sentrel::reg {

QString textOfUtf8(std::string_view bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    return decoder(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

std::string utf8OfText(const QString& text) {
    return text.toUtf8().toStdString();
}

}  // namespace sentrel::reg
