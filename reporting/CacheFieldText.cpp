#include "reporting/CacheFieldText.h"

#include <cmath>
#include <limits>

#include "reporting/TypedNumber.h"

namespace sentrel {

QString cacheFieldText(qint32 number) {
    return QString::number(number);
}

qint32 cacheFieldNumber(const QString& text, qint32 byDefault) {
    const std::optional<double> number = numberTyped(text);
    if (!number) return byDefault;
    const double rounded = std::round(*number);
    if (rounded < 0 || rounded > std::numeric_limits<qint32>::max()) return byDefault;
    return static_cast<qint32>(rounded);
}

}  // namespace sentrel
