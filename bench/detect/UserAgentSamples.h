#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sentrel::detect::bench {

// The distinct user agents of Debian's uap-core test data (the `user_agent_string:` lines of
// /usr/share/uap-core/tests/*.yaml and test_resources/*.yaml), in file order. Empty when the
// package is not installed.
std::vector<std::string> loadUapCoreAgents();

// The value of a YAML scalar as the uap-core files write it: plain, 'single' or "double"
// quoted (only the escapes these files use).
std::string yamlScalar(std::string_view value);

// A match string that generalises a real user agent the way definition authors do: every run
// of digits becomes "*" (versions), or, with `keepMajor`, the first run of each version stays.
std::string patternFor(const std::string& agent, bool keepMajor);

}  // namespace sentrel::detect::bench
