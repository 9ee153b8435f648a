#pragma once

#include <QString>
#include <optional>

namespace sentrel {

// The three cache numbers the detection component reads (bytes, seconds, seconds).
struct CacheSettings {
    qint32 maximum = 0;
    qint32 timeout = 0;
    qint32 cleanInterval = 0;

    bool operator==(const CacheSettings&) const = default;
};

// The settings of a fresh installation: 330000 bytes, 12 hours, half an hour.
inline constexpr CacheSettings kDefaultCacheSettings{330000, 43200, 1800};

class Interaction;

// The question the "Recommend my cache settings..." button asks.
inline const QString kCacheRecommendationTitle = QStringLiteral("Cache recommendations");
inline const QString kCacheRecommendationPrompt =
    QStringLiteral("How many visitors are typically on your site at any given time?");

// The settings recommended for a site with `visitorsAnswer` visitors at any given time, as
// the user typed it. The recommendation keeps a 12-hour cache of about 3600 bytes per
// visitor up to 2000 visitors; larger sites get a fixed 1375000 bytes and a 6-hour cache.
// nullopt, meaning "change nothing", when the answer is not a number or its whole part is
// 0 or less.
std::optional<CacheSettings> recommendCacheSettings(const QString& visitorsAnswer);

// Asks the visitor question in an input box and answers its recommendation; nullopt when the
// user cancelled or the answer changes nothing.
std::optional<CacheSettings> askCacheRecommendation(Interaction& interaction);

}  // namespace sentrel
