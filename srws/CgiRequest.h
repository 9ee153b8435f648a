#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdio>
#include <functional>

namespace sentrel::srws {

// The most a request may carry, query string and body together.
constexpr qsizetype kMaxRequestBytes = 64 * 1024;

// One request as the web server hands it to a CGI program: the meta-variables of its
// environment and the body from standard input.
struct CgiRequest {
    QString method;            // REQUEST_METHOD
    QByteArray queryString;    // QUERY_STRING, still encoded
    QString contentType;       // CONTENT_TYPE
    QByteArray contentLength;  // CONTENT_LENGTH as given; empty when absent
    QString remoteAddress;     // REMOTE_ADDR
    QByteArray body;           // read by readBody, at most kMaxRequestBytes + 1 bytes
    QDateTime receivedAt;      // when the service took the request

    // The meta-variables of this process's environment; the body is not read yet.
    static CgiRequest fromEnvironment();

    // Reads the body a POST announces, from `readBytes` (which fills up to `max` bytes and
    // answers how many it read, 0 at the end): CONTENT_LENGTH bytes, or up to the end of the
    // input when it is absent, never more than kMaxRequestBytes + 1, so that an oversized
    // body is seen as such without being read whole. A request that is not a POST reads
    // nothing.
    void readBody(const std::function<qsizetype(char*, qsizetype)>& readBytes);
    // The same from a stdio stream (standard input).
    void readBody(std::FILE* input);

    // Whether the request came from this machine (a loopback address).
    bool isLocal() const;
};

}  // namespace sentrel::srws
