#include "srws/ReportsService.h"

#include "srws/CgiRequest.h"
#include "srws/FittedRecord.h"
#include "srws/ServiceError.h"
#include "srws/ServiceRequest.h"
#include "srws/StatusReport.h"

namespace sentrel::srws {

namespace {

template <class... Fs>
struct Overloaded : Fs... {
    using Fs::operator()...;
};
// clang before 17 does not deduce an aggregate's template arguments without this guide.
template <class... Fs>
Overloaded(Fs...) -> Overloaded<Fs...>;

CgiResponse preflight() {
    CgiResponse response = CgiResponse::empty(204);
    response.addHeader("Access-Control-Allow-Methods", "GET, POST, OPTIONS");
    response.addHeader("Access-Control-Allow-Headers", "Content-Type");
    response.addHeader("Access-Control-Max-Age", "86400");
    return response;
}

std::string from(const CgiRequest& request) {
    return " (request from " +
           (request.remoteAddress.empty() ? std::string("an unknown address")
                                          : request.remoteAddress) +
           ')';
}

}  // namespace

ReportsService::ReportsService(ServiceSettings settings, RecordStoreOpener open)
    : settings_(std::move(settings)), open_(std::move(open)) {
    log_.setFolder(settings_.logFolder);
}

CgiResponse ReportsService::handle(const CgiRequest& request) {
    return std::visit(Overloaded{
                          [&](const StatusRequest&) { return status(request); },
                          [&](const LogRequest& record) { return store(record, request); },
                          [&](const PreflightRequest&) { return preflight(); },
                          [&](const RefusedRequest& refused) {
                              return refuse(request, refused.status, refused.reason);
                          },
                      },
                      parseRequest(request));
}

CgiResponse ReportsService::refuse(const CgiRequest& request, int status,
                                   const std::string& reason) {
    log_.warning("Refused: " + reason + from(request));
    CgiResponse response = CgiResponse::text(status, "Refused: " + reason);
    if (status == 405) response.addHeader("Allow", "GET, POST, OPTIONS");
    return response;
}

CgiResponse ReportsService::status(const CgiRequest& request) {
    const StatusReport report = StatusReport::run(settings_, open_);
    for (const CheckResult& check : report.checks) {
        if (check.state == CheckResult::State::Failed)
            log_.error("Status check failed: " + check.name + ": " + check.detail);
    }
    return CgiResponse::html(report.allPassed() ? 200 : 500, report.html(request.isLocal()));
}

CgiResponse ReportsService::store(const LogRequest& request, const CgiRequest& cgi) {
    if (!settings_.found) {
        log_.error("Record not stored: " + settings_.problem + from(cgi));
        return CgiResponse::text(500, "The reports web service is not set up.");
    }
    const FittedRecord record =
        FittedRecord::fit(*request.table, settings_.database.kind, request.fields, cgi.receivedAt);
    const std::string table = request.table->view;
    for (const std::string& note : record.notes)
        log_.warning("Record for " + table + ": " + note + from(cgi));
    try {
        open_(settings_.database)->insert(*request.table, record);
    } catch (const ServiceError& error) {
        log_.error("Record for " + table + " not stored: " + error.text() + from(cgi));
        return CgiResponse::text(500, "The record could not be stored.");
    }
    return CgiResponse::empty(204);
}

}  // namespace sentrel::srws
