#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdio>
#include <utility>

namespace sentrel::srws {

// The answer of the CGI program: a status, header lines and a body, written to standard
// output in the CGI response format ("Status: 204 No Content", headers, blank line, body).
struct CgiResponse {
    int status = 200;
    QList<std::pair<QByteArray, QByteArray>> headers;
    QByteArray body;

    static CgiResponse html(int status, const QString& page);
    static CgiResponse text(int status, const QString& message);
    static CgiResponse empty(int status);

    void addHeader(const QByteArray& name, const QByteArray& value) {
        headers.emplace_back(name, value);
    }
    QByteArray serialize() const;
    void write(std::FILE* output) const;
};

}  // namespace sentrel::srws
