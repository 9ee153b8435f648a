#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "reporting/webdirs/ApacheDirective.h"

namespace sentrel::webdirs {

// Reads the text of one Apache httpd configuration file the way httpd reads it: a line that
// ends in "\" continues on the next one; a line whose first non-blank character is "#" is a
// comment; arguments are separated by blanks and may be quoted with " or ', a backslash
// escaping the quote inside; `<Name args>` opens a section that `</Name>` closes (names
// compared without regard to case). What httpd itself would refuse (an unclosed quote, a
// section never closed, a closing tag that does not match) is listed in `problems`, and the
// reading goes on with the next line.
class ApacheConfigParser {
  public:
    struct Result {
        QList<ApacheDirective> directives;
        QStringList problems;
    };

    static Result parse(const QByteArray& text, const QString& fileName);
};

}  // namespace sentrel::webdirs
