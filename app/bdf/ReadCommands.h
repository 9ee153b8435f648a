#pragma once

#include <QString>

namespace sentrel::doc {
class Document;
}

namespace sentrel::bdf {

class BdfTool;

// Counts and stamps of a definitions document, as `sentrel-bdf info` prints them.
struct DocumentSummary {
    int structure = 0;   // 0 when the document has no "Internals" type
    QString version;     // major.minor, minor with two digits; "" without "Internals"
    QString lastUpdate;  // ISO 8601; "" when unset
    int browserTypes = 0;
    int folders = 0;
    int deletedTypes = 0;
    int userProperties = 0;  // root parameters that are not system properties
    int filters = 0;
};

DocumentSummary summarize(doc::Document& document);

// The read-only commands: info, types, get, check. They load the file without its lock,
// so they work while the editor holds it.
void addReadCommands(BdfTool& tool);

}  // namespace sentrel::bdf
