#pragma once

#include <cstddef>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>

namespace sentrel::srws {

// The most a request may carry, query string and body together.
constexpr std::size_t kMaxRequestBytes = 64 * 1024;

// One request as the web server hands it to a CGI program: the meta-variables of its
// environment and the body from standard input.
struct CgiRequest {
    std::string method;          // REQUEST_METHOD
    std::string queryString;     // QUERY_STRING, still encoded
    std::string contentType;     // CONTENT_TYPE
    std::string contentLength;   // CONTENT_LENGTH as given; empty when absent
    std::string remoteAddress;   // REMOTE_ADDR
    std::string body;            // read by readBody, at most kMaxRequestBytes + 1 bytes
    std::time_t receivedAt = 0;  // when the service took the request

    // The meta-variables of this process's environment; the body is not read yet.
    static CgiRequest fromEnvironment();

    // Reads the body a POST announces, from `readBytes` (which fills up to `max` bytes and
    // answers how many it read, 0 at the end): CONTENT_LENGTH bytes, or up to the end of the
    // input when it is absent, never more than kMaxRequestBytes + 1, so that an oversized
    // body is seen as such without being read whole. A request that is not a POST reads
    // nothing.
    void readBody(const std::function<std::size_t(char*, std::size_t)>& readBytes);
    // The same from a stdio stream (standard input).
    void readBody(std::FILE* input);

    // Whether the request came from this machine (a loopback address).
    bool isLocal() const;
};

}  // namespace sentrel::srws
