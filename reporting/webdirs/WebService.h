#pragma once

#include <QString>
#include <optional>

#include "reporting/webdirs/ApacheConfiguration.h"
#include "reporting/webdirs/ApacheSetup.h"
#include "reporting/webdirs/ComboEntries.h"
#include "reporting/webdirs/WebServers.h"

namespace sentrel::webdirs {

// The web service of a host: the Apache httpd configuration below the setup's configuration
// root and the sites it defines.
class WebService {
  public:
    explicit WebService(ApacheSetup setup);

    // Reads the configuration. The host is always "localhost". AppError 53 when Apache
    // httpd is not installed there (no apache2.conf), 70 when it cannot be read. Parts that
    // could not be read are listed in `configuration().problems()`.
    void OpenService(const QString& host);
    // One WebServer per `<VirtualHost>` of sites-enabled, built on first use. A site is
    // named by its `ServerName`, else the main server's, else its address ("*:80"); a name
    // already taken gets the address appended (" (*:8080)").
    webdirs::WebServers& WebServers();
    // Clears the combo box, adds each site's name with item data 1, 2, 3, ..., selects the
    // first one; answers the number added.
    int FillWebServers(ComboEntries& combo);

    const ApacheSetup& setup() const { return setup_; }
    const ApacheConfiguration& configuration() const;
    // Lets httpd run the service in `folder` (see SnippetInstaller), then reads the
    // configuration again.
    void allowExecute(const QString& folder, const QString& urlPath);

  private:
    QString siteName(const ApacheHost& host) const;

    ApacheSetup setup_;
    std::optional<ApacheConfiguration> configuration_;
    std::optional<webdirs::WebServers> servers_;
};

}  // namespace sentrel::webdirs
