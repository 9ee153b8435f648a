#include "srws/CgiResponse.h"

namespace sentrel::srws {

namespace {

const char* reasonPhrase(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 204:
            return "No Content";
        case 400:
            return "Bad Request";
        case 405:
            return "Method Not Allowed";
        default:
            return "Internal Server Error";
    }
}

CgiResponse withBody(int status, const QByteArray& type, const QString& body) {
    CgiResponse response = CgiResponse::empty(status);
    response.addHeader("Content-Type", type);
    response.body = body.toUtf8();
    return response;
}

}  // namespace

CgiResponse CgiResponse::html(int status, const QString& page) {
    return withBody(status, "text/html; charset=utf-8", page);
}

CgiResponse CgiResponse::text(int status, const QString& message) {
    return withBody(status, "text/plain; charset=utf-8", message + QLatin1Char('\n'));
}

CgiResponse CgiResponse::empty(int status) {
    CgiResponse response;
    response.status = status;
    // Pages of any site may log to the service: browsers let them read the answer.
    response.addHeader("Access-Control-Allow-Origin", "*");
    response.addHeader("Cache-Control", "no-store");
    return response;
}

QByteArray CgiResponse::serialize() const {
    QByteArray out = "Status: " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n";
    for (const auto& [name, value] : headers) out += name + ": " + value + "\r\n";
    return out + "\r\n" + body;
}

void CgiResponse::write(std::FILE* output) const {
    const QByteArray bytes = serialize();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), output);
    std::fflush(output);
}

}  // namespace sentrel::srws
