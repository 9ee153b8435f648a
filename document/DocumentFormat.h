#pragma once

#include <QLatin1StringView>

// Keywords of the definition file format (docs/definition-file-format.md).
namespace sentrel::doc::format {

inline constexpr QLatin1StringView kMagic("SentrelDocument");
inline constexpr int kVersion = 1;

inline constexpr QLatin1StringView kType("type");
inline constexpr QLatin1StringView kParam("param");
inline constexpr QLatin1StringView kValue("value");
inline constexpr QLatin1StringView kProperty("property");
inline constexpr QLatin1StringView kItem("item");
inline constexpr QLatin1StringView kField("field");
inline constexpr QLatin1StringView kLru("lru");
inline constexpr QLatin1StringView kEnd("end");

inline constexpr QLatin1StringView kData("data");
inline constexpr QLatin1StringView kInherited("inherited");
inline constexpr QLatin1StringView kStandalone("standalone");
inline constexpr QLatin1StringView kArray("array");

// Lines inside a type or an item are indented by this much.
inline constexpr QLatin1StringView kIndent("  ");

}  // namespace sentrel::doc::format
