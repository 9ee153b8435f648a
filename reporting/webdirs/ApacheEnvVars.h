#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace sentrel::webdirs {

// The variables Debian's apache2ctl sets from the shell file "envvars" of the configuration
// root before it starts httpd (APACHE_RUN_USER, APACHE_RUN_GROUP, APACHE_LOG_DIR, ...).
// Only plain assignments are understood (`export NAME=value`, `NAME=value`, values quoted
// or not, `$NAME` and `${NAME}` of earlier assignments replaced); the last assignment of a
// name wins, whichever branch of a shell `if` it sits in.
class ApacheEnvVars {
  public:
    static QHash<QString, QString> parse(const QByteArray& text);
};

}  // namespace sentrel::webdirs
