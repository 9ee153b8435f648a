#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sentrel::detect {

// What a web request offers for detection: the user agent, and for the filters its cookies,
// server variables (CGI environment, e.g. REMOTE_ADDR) and client certificate fields
// (e.g. SUBJECT_O). Names are looked up without regard to ASCII case; of two fields with the
// same name the first counts.
struct Request {
    using Fields = std::vector<std::pair<std::string, std::string>>;

    std::string userAgent;
    Fields cookies;
    Fields serverVariables;
    Fields certificateFields;

    // The value of the named field, or nullptr when the request has none.
    static const std::string* find(const Fields& fields, std::string_view name);
};

}  // namespace sentrel::detect
