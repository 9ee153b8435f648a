#pragma once

#include <QDateTime>
#include <memory>

namespace sentrel::doc {
class Document;
}

namespace sentrel::bdf {

// The blank definitions every new file starts from ("intmpl.bdf"): the root "DefaultBrowser"
// with the system and version properties, "Internals" at structure 3 and version 1.00, the
// filter element type "Filters", the array type "FiltersArray" and the empty filter list.
std::unique_ptr<doc::Document> makeDefinitionTemplate(const QDateTime& stamp);

}  // namespace sentrel::bdf
