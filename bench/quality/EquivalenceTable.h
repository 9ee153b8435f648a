#pragma once

#include <map>
#include <string>

namespace sentrel::detect::quality {

// How a family name of the test data reads in our definitions. browser-families.tsv: uap-core
// family, the Browser value it is, at most one condition ("Property=value") that must hold as
// well, and "major" for the families the targets speak of. os-families.tsv: uap-core OS
// family and the Platform value it is. Lines starting with "#" are comments.
struct Equivalent {
    std::string value;              // Browser or Platform
    std::string conditionProperty;  // empty: no condition
    std::string conditionValue;
    bool major = false;
};

// family -> equivalent. Throws std::runtime_error for a file that cannot be read, a row
// without a value, or a family listed twice (each family has exactly one equivalent).
std::map<std::string, Equivalent> loadEquivalenceTable(const std::string& path);

}  // namespace sentrel::detect::quality
