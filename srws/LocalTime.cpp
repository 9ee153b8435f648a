#include "srws/LocalTime.h"

namespace sentrel::srws {

namespace {

// Reads exactly `count` decimal digits at the front of `text` and moves past them.
std::optional<int> digits(std::string_view& text, std::size_t count) {
    if (text.size() < count) return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    text.remove_prefix(count);
    return value;
}

bool take(std::string_view& text, char c) {
    if (text.empty() || text.front() != c) return false;
    text.remove_prefix(1);
    return true;
}

int daysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

struct Fields {
    std::tm time{};
    std::optional<int> offsetSeconds;  // east of UTC; nullopt: local time
};

bool readDate(std::string_view& text, std::tm& time) {
    const auto year = digits(text, 4);
    if (!year || !take(text, '-')) return false;
    const auto month = digits(text, 2);
    if (!month || !take(text, '-')) return false;
    const auto day = digits(text, 2);
    if (!day || *month < 1 || *month > 12 || *day < 1 || *day > daysInMonth(*year, *month))
        return false;
    time.tm_year = *year - 1900, time.tm_mon = *month - 1, time.tm_mday = *day;
    return true;
}

bool readTime(std::string_view& text, std::tm& time) {
    const auto hour = digits(text, 2);
    if (!hour || !take(text, ':')) return false;
    const auto minute = digits(text, 2);
    std::optional<int> second = 0;
    if (take(text, ':')) second = digits(text, 2);
    if (!minute || !second) return false;
    if (take(text, '.') || take(text, ',')) {
        if (!digits(text, 1)) return false;
        while (digits(text, 1)) {
        }
    }
    const bool endOfDay = *hour == 24 && *minute == 0 && *second == 0;
    if ((*hour > 23 && !endOfDay) || *minute > 59 || *second > 59) return false;
    time.tm_hour = *hour, time.tm_min = *minute, time.tm_sec = *second;
    return true;
}

std::optional<int> readOffset(std::string_view& text) {
    if (take(text, 'Z')) return 0;
    const int sign = take(text, '+') ? 1 : take(text, '-') ? -1 : 0;
    if (sign == 0) return std::nullopt;
    const auto hours = digits(text, 2);
    std::optional<int> minutes = 0;
    if (take(text, ':') || text.size() == 2) minutes = digits(text, 2);
    if (!hours || !minutes || *hours > 23 || *minutes > 59) return std::nullopt;
    return sign * (*hours * 3600 + *minutes * 60);
}

std::optional<Fields> readFields(std::string_view text) {
    Fields fields;
    if (!readDate(text, fields.time)) return std::nullopt;
    if (text.empty()) return fields;
    if (!take(text, 'T') && !take(text, ' ')) return std::nullopt;
    if (!readTime(text, fields.time)) return std::nullopt;
    if (text.empty()) return fields;
    fields.offsetSeconds = readOffset(text);
    if (!fields.offsetSeconds || !text.empty()) return std::nullopt;
    return fields;
}

}  // namespace

std::string localText(std::time_t when, const char* format) {
    std::tm local{};
    localtime_r(&when, &local);
    char text[64];
    return std::strftime(text, sizeof text, format, &local) > 0 ? text : "";
}

std::string localTimeText(std::time_t when) {
    return localText(when, "%Y-%m-%dT%H:%M:%S");
}

std::optional<std::time_t> parseIsoDate(std::string_view text) {
    auto fields = readFields(text);
    if (!fields) return std::nullopt;
    if (fields->offsetSeconds) return timegm(&fields->time) - *fields->offsetSeconds;
    fields->time.tm_isdst = -1;
    const std::time_t when = std::mktime(&fields->time);
    if (when == std::time_t(-1)) return std::nullopt;
    return when;
}

}  // namespace sentrel::srws
