// The reports web service as a CGI program: one request per process, read from the
// environment and standard input, answered on standard output.
#include <cstdio>
#include <exception>

#include "srws/CgiRequest.h"
#include "srws/ReportsService.h"

// No QCoreApplication: Qt SQL finds its driver plugins without one, and the application
// object costs every request start-up time for nothing the service uses.
int main() {
    using namespace sentrel::srws;
    try {
        CgiRequest request = CgiRequest::fromEnvironment();
        request.readBody(stdin);
        ReportsService().handle(request).write(stdout);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "Sentrel Reports Web Service: %s\n", error.what());
        CgiResponse::text(500, QStringLiteral("The reports web service failed.")).write(stdout);
    }
    return 0;
}
