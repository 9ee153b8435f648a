#pragma once

#include <QString>

namespace sentrel::exporting {

// Text made safe for the XML of a BDD: "&", "<" and ">" become entity references, so any
// name, value or pattern keeps the file well-formed and reads back unchanged.
QString escapeXmlText(const QString& text);
// The same for an attribute value in double quotes, which also escapes '"'.
QString escapeXmlAttribute(const QString& text);

// True when `name` can stand as an element name: a letter or "_" first, then letters,
// digits, "_", "-" or ".".
bool isXmlName(const QString& name);

}  // namespace sentrel::exporting
