#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace sentrel::srws {

// Dates as the reports tables keep them: local time written "yyyy-MM-ddTHH:mm:ss".

// `when` in local time, written that way.
std::string localTimeText(std::time_t when);
// `when` in local time, written with a strftime format.
std::string localText(std::time_t when, const char* format);

// The moment an ISO 8601 date names: "yyyy-MM-dd", optionally followed by "T" (or a blank)
// and "HH:mm", "HH:mm:ss" or "HH:mm:ss.fff" (a fraction is dropped; "24:00:00" is the end of
// the day), optionally followed by "Z" or an offset "+HH:mm", "+HHmm" or "+HH" (or "-"). A
// date without offset is local time. nullopt when the text is not such a date or names a
// day or time that does not exist.
std::optional<std::time_t> parseIsoDate(std::string_view text);

}  // namespace sentrel::srws
