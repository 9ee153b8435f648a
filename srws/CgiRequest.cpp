#include "srws/CgiRequest.h"

#include <arpa/inet.h>

#include <charconv>
#include <cstdlib>

#include "srws/Text.h"

namespace sentrel::srws {

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// The number of bytes to read: the announced length when it is a plain number within the
// limit; otherwise one byte over the limit (a bad or oversized length is refused later
// without reading the body whole).
std::size_t bytesToRead(const std::string& contentLength) {
    const std::string_view digits = trimmed(contentLength);
    std::size_t length = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), length);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        length > kMaxRequestBytes)
        return kMaxRequestBytes + 1;
    return length;
}

}  // namespace

CgiRequest CgiRequest::fromEnvironment() {
    CgiRequest request;
    request.method = variable("REQUEST_METHOD");
    request.queryString = variable("QUERY_STRING");
    request.contentType = variable("CONTENT_TYPE");
    request.contentLength = variable("CONTENT_LENGTH");
    request.remoteAddress = variable("REMOTE_ADDR");
    request.receivedAt = std::time(nullptr);
    return request;
}

void CgiRequest::readBody(const std::function<std::size_t(char*, std::size_t)>& readBytes) {
    if (!equalIgnoringAsciiCase(method, "POST")) return;
    const std::size_t wanted = bytesToRead(contentLength);
    body.resize(wanted);
    std::size_t have = 0;
    while (have < wanted) {
        const std::size_t got = readBytes(body.data() + have, wanted - have);
        if (got == 0) break;
        have += got;
    }
    body.resize(have);
}

void CgiRequest::readBody(std::FILE* input) {
    readBody([input](char* into, std::size_t max) { return std::fread(into, 1, max, input); });
}

bool CgiRequest::isLocal() const {
    in6_addr v6{};
    if (inet_pton(AF_INET6, remoteAddress.c_str(), &v6) == 1) {
        // ::1, or 127.0.0.0/8 written as an IPv4-mapped IPv6 address.
        if (IN6_IS_ADDR_LOOPBACK(&v6)) return true;
        return IN6_IS_ADDR_V4MAPPED(&v6) && v6.s6_addr[12] == 127;
    }
    in_addr v4{};
    return inet_pton(AF_INET, remoteAddress.c_str(), &v4) == 1 && (ntohl(v4.s_addr) >> 24) == 127;
}

}  // namespace sentrel::srws
