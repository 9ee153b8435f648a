#pragma once

#include <QString>

namespace sentrel::webdirs {

class ApacheConfiguration;
struct ApacheHost;

// Whether Apache httpd would run the reports web service as a CGI program in a folder of a
// site: a CGI module (mod_cgid or mod_cgi) is loaded, and the folder is a `ScriptAlias`
// target, or the `<Directory>` sections that apply to it leave `ExecCGI` among its
// `Options` and hand the service's file to the cgi-script handler (`SetHandler cgi-script`,
// also inside a `<Files>`/`<FilesMatch>` matching it, or `AddHandler cgi-script .dll`).
// Sections apply as httpd merges them: plain folders from the shortest path to the longest,
// then the regular-expression ones in the order written.
class ExecutePermission {
  public:
    static bool of(const ApacheConfiguration& config, const ApacheHost& host,
                   const QString& folder);
};

}  // namespace sentrel::webdirs
