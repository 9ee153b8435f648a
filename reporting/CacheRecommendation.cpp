#include "reporting/CacheRecommendation.h"

#include <QLocale>
#include <cmath>

namespace sentrel {

namespace {

constexpr int kLargeSiteVisitors = 2000;
// Bytes of cache recommended per visitor on the 12-hour basis (12 x 0.2 x 1500).
constexpr double kBytesPerVisitor = 12 * 0.2 * 1500;
constexpr CacheSettings kLargeSite{1375000, 21600, 1800};
constexpr qint32 kStandardTimeout = 43200;
constexpr qint32 kCleanInterval = 1800;

// The number the user typed, in plain notation or in the user's own locale
// ("1e3", "2000.5", "1,000").
std::optional<double> numberTyped(const QString& text) {
    const QString trimmed = text.trimmed();
    for (const QLocale& locale : {QLocale::c(), QLocale::system()}) {
        bool ok = false;
        const double value = locale.toDouble(trimmed, &ok);
        if (ok && std::isfinite(value)) return value;
    }
    return std::nullopt;
}

}  // namespace

std::optional<CacheSettings> recommendCacheSettings(const QString& visitorsAnswer) {
    const std::optional<double> number = numberTyped(visitorsAnswer);
    if (!number) return std::nullopt;
    const double visitors = std::floor(*number);
    if (visitors <= 0) return std::nullopt;
    if (visitors > kLargeSiteVisitors) return kLargeSite;
    const auto maximum = static_cast<qint32>(visitors * kBytesPerVisitor);
    return CacheSettings{maximum, kStandardTimeout, kCleanInterval};
}

}  // namespace sentrel
