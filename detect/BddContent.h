#pragma once

#include <string>
#include <vector>

namespace sentrel::detect {

// What a BDD file holds, as read from its text: the properties with their type codes, the
// browser entries with a value for every property, the filters in file order and the
// version block.

// Type codes of the property blocks.
enum class PropertyType { Integer = 1, Boolean = 2, Single = 3, Text = 4 };

struct PropertyDef {
    std::string name;
    PropertyType type = PropertyType::Text;
};

struct BrowserEntry {
    std::string name;
    std::string matchString;
    std::string parent;  // "None" for the root entry
    std::string description;
    std::vector<std::string> values;  // one per property, in property order
};

// What a filter's condition is tested against.
enum class FilterKind { UserAgent, Cookie, ServerVariable, Certificate, Unknown };

// The short codes the file uses: "UA", "Cookie", "ENV", "Cert" (compared without regard to
// case); anything else is Unknown, and such a filter never applies.
FilterKind filterKindFromCode(const std::string& code);

struct FilterRule {
    std::string id;  // "K" + number
    std::string priority;
    std::string property;
    std::string condition;
    std::string valueToSet;  // "*" sets the whole tested value
    FilterKind kind = FilterKind::Unknown;
    std::string dataField;  // cookie, server variable or certificate field name
};

struct BddInfo {
    std::string version;
    std::string date;
};

struct BddContent {
    std::vector<PropertyDef> properties;
    std::vector<BrowserEntry> entries;
    std::vector<FilterRule> filters;
    BddInfo info;
};

}  // namespace sentrel::detect
