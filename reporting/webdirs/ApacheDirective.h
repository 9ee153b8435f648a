#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace sentrel::webdirs {

// One directive of an Apache httpd configuration file, or one section (`<VirtualHost>`,
// `<Directory>`, ...) with the directives inside it. Names keep their spelling; Apache
// compares them without regard to case, and so does `is`.
struct ApacheDirective {
    QString name;
    QStringList args;  // quotes removed, escapes resolved, variables not yet replaced
    bool section = false;
    QList<ApacheDirective> children;
    QString file;
    int line = 0;

    bool is(const char* directive) const {
        return name.compare(QLatin1String(directive), Qt::CaseInsensitive) == 0;
    }
    // The first argument, or an empty text.
    QString arg() const { return args.value(0); }
};

}  // namespace sentrel::webdirs
