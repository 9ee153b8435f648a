#include "registry/RegValue.h"

namespace sentrel::reg {

QString RegValue::toString() const {
    if (const auto* text = std::get_if<QString>(&value_)) return *text;
    if (const auto* number = std::get_if<qint32>(&value_)) return QString::number(*number);
    return QString();
}

std::optional<qint32> RegValue::toInt() const {
    if (const auto* number = std::get_if<qint32>(&value_)) return *number;
    if (const auto* text = std::get_if<QString>(&value_)) {
        bool ok = false;
        const qint32 parsed = text->trimmed().toInt(&ok);
        if (ok) return parsed;
    }
    return std::nullopt;
}

}  // namespace sentrel::reg
