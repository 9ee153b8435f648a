#include "reporting/CacheRecommendation.h"

#include <cmath>

#include "reporting/TypedNumber.h"
#include "shell/Interaction.h"

namespace sentrel {

namespace {

constexpr int kLargeSiteVisitors = 2000;
// Bytes of cache recommended per visitor on the 12-hour basis (12 x 0.2 x 1500).
constexpr double kBytesPerVisitor = 12 * 0.2 * 1500;
constexpr CacheSettings kLargeSite{1375000, 21600, 1800};
constexpr qint32 kStandardTimeout = 43200;
constexpr qint32 kCleanInterval = 1800;

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

std::optional<CacheSettings> askCacheRecommendation(Interaction& interaction) {
    const std::optional<QString> answer =
        interaction.inputBox({kCacheRecommendationPrompt, kCacheRecommendationTitle, QString()});
    return answer ? recommendCacheSettings(*answer) : std::nullopt;
}

}  // namespace sentrel
