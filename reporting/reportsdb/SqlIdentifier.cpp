#include "reporting/reportsdb/SqlIdentifier.h"

namespace sentrel::reportsdb {

std::string quotedIdentifier(std::string_view name) {
    std::string out = "\"";
    for (const char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

}  // namespace sentrel::reportsdb
