#pragma once

#include <QString>

#include "srws/CgiResponse.h"
#include "srws/ServiceLog.h"

namespace sentrel::srws {

struct CgiRequest;

// The reports web service: answers one request. It reads its settings from the editor's
// options key, answers "?test" with the status page (200 when every check passed, else 500),
// and logs a record through the view its "t" names (204; 500 when the database refuses it).
// Refused requests (400, 405) write nothing. Failures and refusals go to the service's log.
class ReportsService {
  public:
    // `registryRoot`: the key store's root folder; empty: $SENTREL_REGISTRY or the default.
    explicit ReportsService(QString registryRoot = QString())
        : registryRoot_(std::move(registryRoot)) {}

    CgiResponse handle(const CgiRequest& request);

  private:
    CgiResponse refuse(const CgiRequest& request, int status, const QString& reason);
    CgiResponse status(const CgiRequest& request, const struct ServiceSettings& settings);
    CgiResponse log(const struct LogRequest& request, const CgiRequest& cgi,
                    const ServiceSettings& settings);

    QString registryRoot_;
    ServiceLog log_;
};

}  // namespace sentrel::srws
