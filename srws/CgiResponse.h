#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace sentrel::srws {

// The answer of the CGI program: a status, header lines and a body, written to standard
// output in the CGI response format ("Status: 204 No Content", headers, blank line, body).
struct CgiResponse {
    int status = 200;
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;

    static CgiResponse html(int status, std::string page);
    static CgiResponse text(int status, const std::string& message);
    static CgiResponse empty(int status);

    void addHeader(std::string name, std::string value) {
        headers.emplace_back(std::move(name), std::move(value));
    }
    std::string serialize() const;
    void write(std::FILE* output) const;
};

}  // namespace sentrel::srws
