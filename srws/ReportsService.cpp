#include "srws/ReportsService.h"

#include "shell/AppError.h"
#include "srws/CgiRequest.h"
#include "srws/FittedRecord.h"
#include "srws/RecordWriter.h"
#include "srws/ServiceRequest.h"
#include "srws/ServiceSettings.h"
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

QString from(const CgiRequest& request) {
    return QStringLiteral(" (request from ") +
           (request.remoteAddress.isEmpty() ? QStringLiteral("an unknown address")
                                            : request.remoteAddress) +
           QLatin1Char(')');
}

}  // namespace

CgiResponse ReportsService::handle(const CgiRequest& request) {
    const ServiceSettings settings = ServiceSettings::load(log_, registryRoot_);
    log_.setFolder(settings.logFolder);
    return std::visit(Overloaded{
                          [&](const StatusRequest&) { return status(request, settings); },
                          [&](const LogRequest& record) { return log(record, request, settings); },
                          [&](const PreflightRequest&) { return preflight(); },
                          [&](const RefusedRequest& refused) {
                              return refuse(request, refused.status, refused.reason);
                          },
                      },
                      parseRequest(request));
}

CgiResponse ReportsService::refuse(const CgiRequest& request, int status, const QString& reason) {
    log_.warning(QStringLiteral("Refused: ") + reason + from(request));
    CgiResponse response = CgiResponse::text(status, QStringLiteral("Refused: ") + reason);
    if (status == 405) response.addHeader("Allow", "GET, POST, OPTIONS");
    return response;
}

CgiResponse ReportsService::status(const CgiRequest& request, const ServiceSettings& settings) {
    const StatusReport report = StatusReport::run(settings);
    for (const CheckResult& check : report.checks) {
        if (check.state == CheckResult::State::Failed)
            log_.error(QStringLiteral("Status check failed: ") + check.name + QStringLiteral(": ") +
                       check.detail);
    }
    return CgiResponse::html(report.allPassed() ? 200 : 500, report.html(request.isLocal()));
}

CgiResponse ReportsService::log(const LogRequest& request, const CgiRequest& cgi,
                                const ServiceSettings& settings) {
    if (!settings.found) {
        log_.error(QStringLiteral("Record not stored: ") + settings.problem + from(cgi));
        return CgiResponse::text(500, QStringLiteral("The reports web service is not set up."));
    }
    const FittedRecord record =
        FittedRecord::fit(*request.table, settings.database.kind, request.fields, cgi.receivedAt);
    const QString table = QString::fromLatin1(request.table->view);
    for (const QString& note : record.notes)
        log_.warning(QStringLiteral("Record for ") + table + QStringLiteral(": ") + note +
                     from(cgi));
    try {
        RecordWriter::open(settings.database)->insert(*request.table, record);
    } catch (const AppError& error) {
        log_.error(QStringLiteral("Record for ") + table + QStringLiteral(" not stored: [") +
                   error.source() + QStringLiteral("] ") + error.description() + from(cgi));
        return CgiResponse::text(500, QStringLiteral("The record could not be stored."));
    }
    return CgiResponse::empty(204);
}

}  // namespace sentrel::srws
