#include "srws/CgiRequest.h"

#include <QRegularExpression>

namespace sentrel::srws {

namespace {

QByteArray variable(const char* name) {
    return qgetenv(name);
}

// The number of bytes to read: the announced length when it is a plain number within the
// limit; otherwise one byte over the limit (a bad or oversized length is refused later
// without reading the body whole).
qsizetype bytesToRead(const QByteArray& contentLength) {
    if (contentLength.isEmpty()) return kMaxRequestBytes + 1;
    bool ok = false;
    const qlonglong length = contentLength.toLongLong(&ok);
    if (!ok || length < 0 || length > kMaxRequestBytes) return kMaxRequestBytes + 1;
    return qsizetype(length);
}

}  // namespace

CgiRequest CgiRequest::fromEnvironment() {
    CgiRequest request;
    request.method = QString::fromLatin1(variable("REQUEST_METHOD"));
    request.queryString = variable("QUERY_STRING");
    request.contentType = QString::fromLatin1(variable("CONTENT_TYPE"));
    request.contentLength = variable("CONTENT_LENGTH");
    request.remoteAddress = QString::fromLatin1(variable("REMOTE_ADDR"));
    request.receivedAt = QDateTime::currentDateTime();
    return request;
}

void CgiRequest::readBody(const std::function<qsizetype(char*, qsizetype)>& readBytes) {
    if (method.compare(QLatin1String("POST"), Qt::CaseInsensitive) != 0) return;
    const qsizetype wanted = bytesToRead(contentLength);
    body.resize(wanted);
    qsizetype have = 0;
    while (have < wanted) {
        const qsizetype got = readBytes(body.data() + have, wanted - have);
        if (got <= 0) break;
        have += got;
    }
    body.truncate(have);
}

void CgiRequest::readBody(std::FILE* input) {
    readBody([input](char* into, qsizetype max) {
        return qsizetype(std::fread(into, 1, size_t(max), input));
    });
}

bool CgiRequest::isLocal() const {
    // 127.0.0.0/8, ::1, and 127.0.0.0/8 written as an IPv4-mapped IPv6 address.
    static const QRegularExpression loopback(
        QStringLiteral("^(?:::ffff:)?127\\.(?:\\d{1,3})\\.(?:\\d{1,3})\\.(?:\\d{1,3})$|^(?:0{0,4}:)"
                       "{2,7}0{0,3}1$"),
        QRegularExpression::CaseInsensitiveOption);
    return loopback.match(remoteAddress).hasMatch();
}

}  // namespace sentrel::srws
