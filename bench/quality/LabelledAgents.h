#pragma once

#include <string>
#include <vector>

namespace sentrel::detect::quality {

// A user agent with the family (and major version, when given) the uap-core test data
// expects for it.
struct LabelledAgent {
    std::string userAgent;
    std::string family;
    std::string major;  // empty when the test data gives none
};

// The browser cases of uap-core: tests/test_ua.yaml, then test_resources/*.yaml in name order
// (without additional_os_tests.yaml, whose families are operating systems). An agent listed
// twice counts once, with its first label; the family "Other" (nothing known) is left out.
std::vector<LabelledAgent> loadBrowserCases(const std::string& uapFolder);

// The operating-system cases of tests/test_os.yaml, "Other" left out.
std::vector<LabelledAgent> loadOsCases(const std::string& uapFolder);

}  // namespace sentrel::detect::quality
