#pragma once

#include <QList>
#include <QString>

#include "reporting/webdirs/ApacheDirective.h"

namespace sentrel::webdirs {

// An `Alias` or `ScriptAlias`: a URL path served from a folder.
struct ApacheAlias {
    QString urlPath;  // "/srws" (no trailing "/", except "/" itself)
    QString path;     // the folder, absolute, no trailing "/"
    bool script = false;
};

// A `<Directory>` or `<DirectoryMatch>` section, its body with conditionals resolved and
// variables replaced.
struct ApacheDirectorySection {
    QString path;  // a folder (wildcards allowed) or, with `regex`, a regular expression
    bool regex = false;
    QList<ApacheDirective> body;
};

// What one server of the configuration says about where it serves from: the main server, or
// a `<VirtualHost>` (which falls back to the main server for what it leaves out).
struct ApacheHost {
    QString address;  // the `<VirtualHost>` addresses ("*:80"); empty for the main server
    QString serverName;
    QString documentRoot;
    QList<ApacheAlias> aliases;
    QList<ApacheDirectorySection> directories;
    QList<ApacheDirective> handlers;  // `AddHandler` and `SetHandler` outside sections
    QString file;                     // the file that defines it
};

}  // namespace sentrel::webdirs
