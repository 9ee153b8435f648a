#pragma once

#include <string_view>

namespace sentrel::detect {

// True when the property needs the extended (client-side) tests: its name, without blanks at
// either end, is one of the built-in list, compared without regard to ASCII case.
bool isExtProperty(std::string_view name);

}  // namespace sentrel::detect
