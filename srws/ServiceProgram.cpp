#include "srws/ServiceProgram.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "srws/CgiRequest.h"
#include "srws/ReportsService.h"
#include "srws/ServiceError.h"
#include "srws/ServiceFiles.h"

namespace sentrel::srws {

namespace {

CgiResponse failed(const ServiceLog& log, const std::string& reason) {
    log.error(reason);
    return CgiResponse::text(500, "The reports web service failed.");
}

CgiResponse answer(const RecordStoreOpener& open, const HandOver& handOver) {
    CgiRequest request = CgiRequest::fromEnvironment();
    ServiceSettings settings = ServiceSettings::load();
    if (handOver && settings.found && settings.database.kind == reportsdb::DatabaseKind::Server) {
        const std::string reason = handOver();
        ServiceLog log;
        log.setFolder(settings.logFolder);
        return failed(log, "The request could not be handed on: " + reason);
    }
    request.readBody(stdin);
    return ReportsService(std::move(settings), open).handle(request);
}

}  // namespace

int serveCgiRequest(const RecordStoreOpener& open, const HandOver& handOver) {
    try {
        answer(open, handOver).write(stdout);
    } catch (const std::exception& error) {
        failed(ServiceLog(), std::string("Unexpected failure: ") + error.what()).write(stdout);
    }
    return 0;
}

std::string handOverToPostgresProgram() {
    const char* named = std::getenv(kPostgresProgramVariable);
    if (!named || !*named)
        return std::string(kPostgresProgramVariable) +
               " is not set: deploy the service again from the editor's Reporting Options";
    const std::string program = named;
    char* const arguments[] = {const_cast<char*>(program.c_str()), nullptr};
    ::execv(program.c_str(), arguments);
    return program + ": " + std::strerror(errno);
}

}  // namespace sentrel::srws
