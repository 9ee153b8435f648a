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

CgiResponse withBody(int status, const char* type, std::string body) {
    CgiResponse response = CgiResponse::empty(status);
    response.addHeader("Content-Type", type);
    response.body = std::move(body);
    return response;
}

}  // namespace

CgiResponse CgiResponse::html(int status, std::string page) {
    return withBody(status, "text/html; charset=utf-8", std::move(page));
}

CgiResponse CgiResponse::text(int status, const std::string& message) {
    return withBody(status, "text/plain; charset=utf-8", message + '\n');
}

CgiResponse CgiResponse::empty(int status) {
    CgiResponse response;
    response.status = status;
    // Pages of any site may log to the service: browsers let them read the answer.
    response.addHeader("Access-Control-Allow-Origin", "*");
    response.addHeader("Cache-Control", "no-store");
    return response;
}

std::string CgiResponse::serialize() const {
    std::string out = "Status: " + std::to_string(status) + ' ' + reasonPhrase(status) + "\r\n";
    for (const auto& [name, value] : headers) out += name + ": " + value + "\r\n";
    return out + "\r\n" + body;
}

void CgiResponse::write(std::FILE* output) const {
    const std::string bytes = serialize();
    std::fwrite(bytes.data(), 1, bytes.size(), output);
    std::fflush(output);
}

}  // namespace sentrel::srws
