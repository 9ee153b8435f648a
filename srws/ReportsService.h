#pragma once

#include <string>

#include "srws/CgiResponse.h"
#include "srws/RecordStore.h"
#include "srws/ServiceLog.h"
#include "srws/ServiceSettings.h"

namespace sentrel::srws {

struct CgiRequest;
struct LogRequest;

// The reports web service: answers one request with the settings read from the editor's
// options key. It answers "?test" with the status page (200 when every check passed, else
// 500), and logs a record through the view its "t" names (204; 500 when the database
// refuses it). Refused requests (400, 405) write nothing. Failures and refusals go to the
// service's log.
class ReportsService {
  public:
    ReportsService(ServiceSettings settings, RecordStoreOpener open);

    CgiResponse handle(const CgiRequest& request);

  private:
    CgiResponse refuse(const CgiRequest& request, int status, const std::string& reason);
    CgiResponse status(const CgiRequest& request);
    CgiResponse store(const LogRequest& request, const CgiRequest& cgi);

    ServiceSettings settings_;
    RecordStoreOpener open_;
    ServiceLog log_;
};

}  // namespace sentrel::srws
