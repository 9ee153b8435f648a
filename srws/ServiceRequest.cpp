#include "srws/ServiceRequest.h"

#include "srws/Text.h"

namespace sentrel::srws {

namespace {

// The parts of a header value separated by ";", each without blanks at its ends.
std::vector<std::string_view> parametersOf(std::string_view header) {
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t semicolon = header.find(';');
        parts.push_back(trimmed(header.substr(0, semicolon)));
        if (semicolon == std::string_view::npos) return parts;
        header.remove_prefix(semicolon + 1);
    }
}

// Whether the content type's parameters allow UTF-8: no charset, or charset "utf-8" (also
// quoted, or "utf8"); other parameters are ignored.
bool charsetIsUtf8(const std::vector<std::string_view>& parameters) {
    for (std::size_t i = 1; i < parameters.size(); ++i) {
        const std::string_view parameter = parameters[i];
        const std::size_t equals = parameter.find('=');
        if (!equalIgnoringAsciiCase(trimmed(parameter.substr(0, equals)), "charset")) continue;
        std::string value;
        if (equals != std::string_view::npos) {
            for (const char c : trimmed(parameter.substr(equals + 1)))
                if (c != '"') value += c;
        }
        if (!equalIgnoringAsciiCase(value, "utf-8") && !equalIgnoringAsciiCase(value, "utf8"))
            return false;
    }
    return true;
}

// The body's own reason to be refused, or an empty text when it can be decoded.
std::string bodyProblem(const CgiRequest& request) {
    if (request.queryString.size() + request.body.size() > kMaxRequestBytes)
        return "the request is larger than 64 KB";
    if (!request.contentLength.empty() &&
        request.contentLength != std::to_string(request.body.size()))
        return "the body does not have the length CONTENT_LENGTH gives";
    const auto parameters = parametersOf(request.contentType);
    if (!request.body.empty() && !parameters.front().empty() &&
        !equalIgnoringAsciiCase(parameters.front(), "application/x-www-form-urlencoded"))
        return "the body is not application/x-www-form-urlencoded";
    if (!charsetIsUtf8(parameters)) return "the body is not UTF-8";
    return {};
}

// The report table a "t" value names.
const reportsdb::ReportTable* tableNamed(std::string_view t) {
    static const char* const kNames[] = {"sns", "plt", "err"};  // in reportTables() order
    for (int i = 0; i < 3; ++i) {
        if (equalIgnoringAsciiCase(t, kNames[i])) return &reportsdb::reportTables()[i];
    }
    return nullptr;
}

RefusedRequest badRequest(std::string reason) {
    return {400, std::move(reason)};
}

}  // namespace

ServiceRequest parseRequest(const CgiRequest& request) {
    if (equalIgnoringAsciiCase(request.method, "OPTIONS")) return PreflightRequest{};
    const bool post = equalIgnoringAsciiCase(request.method, "POST");
    if (!post && !equalIgnoringAsciiCase(request.method, "GET"))
        return RefusedRequest{405, "only GET and POST requests are served"};
    const std::string problem = post ? bodyProblem(request) : std::string();
    if (!problem.empty()) return badRequest(problem);
    if (request.queryString.size() > kMaxRequestBytes)
        return badRequest("the request is larger than 64 KB");

    std::string reason;
    const auto query = FormFields::decode(request.queryString, &reason);
    if (!query) return badRequest("bad query string: " + reason);
    if (query->has("test")) return StatusRequest{};
    FormFields fields = *query;
    if (post) {
        const auto body = FormFields::decode(request.body, &reason);
        if (!body) return badRequest("bad body: " + reason);
        fields.append(*body);
    }
    const std::string* t = fields.find("t");
    if (!t) return badRequest("the field \"t\" is missing");
    const reportsdb::ReportTable* table = tableNamed(*t);
    if (!table) {
        return badRequest("unknown record kind t=\"" + std::string(firstCharacters(*t, 40)) +
                          "\" (known: sns, plt, err)");
    }
    return LogRequest{table, std::move(fields)};
}

}  // namespace sentrel::srws
