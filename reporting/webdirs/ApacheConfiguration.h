#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include "reporting/webdirs/ApacheHost.h"

namespace sentrel::reg {
class KeyFileSystem;
}

namespace sentrel::webdirs {

// The Apache httpd configuration below a configuration root (Debian's layout: apache2.conf,
// envvars, mods-enabled/, conf-enabled/, sites-enabled/), read as httpd reads it when
// started with `-d <root>`: `Include` and `IncludeOptional` followed relative to
// `ServerRoot` (wildcards allowed), `<IfModule>` and `<IfDefine>` decided from the modules
// loaded and the names defined so far, `${NAME}` replaced from `Define`, from Debian's
// envvars and from the environment. Directives it does not need are skipped.
class ApacheConfiguration {
  public:
    // Something that could not be read; the rest of the configuration still was.
    struct Problem {
        int number = 0;  // 53 missing include, 70 unreadable, 1004 bad syntax
        QString description;
    };
    static constexpr int kBadSyntax = 1004;

    // Reads the configuration below `root`. Throws AppError when apache2.conf itself is
    // missing (53) or cannot be read (70): Apache is not installed or not reachable.
    static ApacheConfiguration load(const QString& root, const reg::KeyFileSystem& files);

    const QString& root() const { return root_; }
    const QString& serverRoot() const { return serverRoot_; }
    const ApacheHost& mainServer() const { return main_; }
    const QList<ApacheHost>& virtualHosts() const { return hosts_; }
    // The account and group httpd runs as (`User`, `Group`).
    const QString& user() const { return user_; }
    const QString& group() const { return group_; }
    // Whether the module is loaded: "cgi", "cgid", "alias", "mpm_event", ...
    bool hasModule(const QString& module) const { return modules_.contains(module); }
    const QList<Problem>& problems() const { return problems_; }

    // A module's short name from `cgi_module` or `mod_cgi.c`.
    static QString moduleName(QString id);

  private:
    friend class ApacheConfigReader;

    QString root_;
    QString serverRoot_;
    ApacheHost main_;
    QList<ApacheHost> hosts_;
    QString user_;
    QString group_;
    QSet<QString> modules_;
    QList<Problem> problems_;
};

}  // namespace sentrel::webdirs
