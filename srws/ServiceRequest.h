#pragma once

#include <string>
#include <variant>

#include "reporting/reportsdb/ReportTables.h"
#include "srws/CgiRequest.h"
#include "srws/FormFields.h"

namespace sentrel::srws {

// "?test": the status page.
struct StatusRequest {};

// A record to log: the table its "t" names and the request's fields.
struct LogRequest {
    const reportsdb::ReportTable* table = nullptr;
    FormFields fields;
};

// A browser's CORS preflight (OPTIONS): answered with the permissions alone.
struct PreflightRequest {};

// A request refused before anything is written: the HTTP status and why, for the answer
// and the service's log.
struct RefusedRequest {
    int status = 400;
    std::string reason;
};

using ServiceRequest = std::variant<StatusRequest, LogRequest, PreflightRequest, RefusedRequest>;

// What a request asks of the service. The query string (and, for a POST, the form-encoded
// body) are decoded; a request with a field "test" in its query string asks for the status
// page, any other names the table to log to by "t": "sns", "plt" or "err" (without regard to
// case). Refused with 400: more than kMaxRequestBytes in query string and body, a body
// length that is not a number or does not match the body, a body that is not form-encoded
// UTF-8, a bad encoding, a missing or unknown "t". Methods other than GET, POST and OPTIONS
// are refused with 405.
ServiceRequest parseRequest(const CgiRequest& request);

}  // namespace sentrel::srws
