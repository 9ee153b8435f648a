#pragma once

#include <QString>

namespace sentrel::webdirs {

// Our one piece of the Apache httpd configuration: conf-available/sentrel-srws.conf,
// enabled through conf-enabled/ as a2enconf does. It lets httpd run the reports web service
// deployed in `folder` (reached at `urlPath`) as a CGI program, and tells the service which
// key store to read. Each deployment writes it anew; nothing else of the configuration is
// edited.
struct SrwsSnippet {
    QString folder;           // the web directory, absolute, no trailing "/"
    QString urlPath;          // the directory's URL path: "/" or "/srws/"
    QString keyStoreRoot;     // the key store root folder in use
    QString postgresProgram;  // the service's program for PostgreSQL databases

    // The file's whole text. Its exact format, for every program that writes the same file
    // (values in double quotes, a `"` inside escaped as `\"`; <url> is `urlPath` with regular
    // expression characters escaped):
    //
    //   # Sentrel Reports Web Service: written at each deployment of the service.
    //   <LocationMatch "(?i)^<url>(norvanesrws|norvanesvr)\.dll$">
    //       Alias "<folder>/NorvaneSRWS.dll"
    //   </LocationMatch>
    //   <Directory "<folder>">
    //       Options +ExecCGI
    //       <FilesMatch "(?i)^(norvanesrws|norvanesvr)\.dll$">
    //           SetHandler cgi-script
    //       </FilesMatch>
    //       SetEnv SENTREL_REGISTRY "<keyStoreRoot>"
    //       SetEnv SENTREL_SRWS_POSTGRES "<postgresProgram>"   (left out when empty)
    //   </Directory>
    //
    // The location's `Alias` maps the names the test address and the generated logging code
    // use ("norvaneSRWS.dll", "norvanesrws.dll", "norvanesvr.dll", in any case) to the
    // deployed file, since the file system compares names with case. A location alias is
    // looked at before the sites' own `Alias` directives, so it also serves a folder that is
    // itself a site's alias. It needs mod_alias, `SetEnv` needs mod_env and the handler
    // mod_cgi or mod_cgid.
    QString text() const;

    // The file's place below the configuration root, and its link in conf-enabled/.
    static QString availablePath(const QString& configRoot);
    static QString enabledPath(const QString& configRoot);
};

}  // namespace sentrel::webdirs
