// The reports web service as a CGI program: one request per process, read from the
// environment and standard input, answered on standard output.
#include <QCoreApplication>
#include <cstdio>
#include <exception>

#include "srws/CgiRequest.h"
#include "srws/ReportsService.h"

int main(int argc, char** argv) {
    using namespace sentrel::srws;
    // Qt SQL loads its database drivers as plugins, which needs the application object.
    QCoreApplication app(argc, argv);
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
