#pragma once

#include <string>
#include <string_view>

namespace sentrel::reportsdb {

// `name` as an SQL identifier: in double quotes, a double quote inside doubled. Both
// database kinds read identifiers so.
std::string quotedIdentifier(std::string_view name);

}  // namespace sentrel::reportsdb
