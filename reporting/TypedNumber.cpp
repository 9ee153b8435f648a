#include "reporting/TypedNumber.h"

#include <QLocale>
#include <cmath>

namespace sentrel {

std::optional<double> numberTyped(const QString& text) {
    const QString trimmed = text.trimmed();
    for (const QLocale& locale : {QLocale::c(), QLocale::system()}) {
        bool ok = false;
        const double value = locale.toDouble(trimmed, &ok);
        if (ok && std::isfinite(value)) return value;
    }
    return std::nullopt;
}

}  // namespace sentrel
