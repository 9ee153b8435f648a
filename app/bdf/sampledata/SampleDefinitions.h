#pragma once

#include <QDateTime>

namespace sentrel::doc {
class Document;
}

namespace sentrel::bdf {

// Fills a document made by makeDefinitionTemplate with the shipped sample definitions
// ("maindefs.bdf"): user properties, folders of current desktop and mobile browsers,
// crawlers and legacy browsers with their user-agent patterns, and filters of every kind.
void addSampleDefinitions(doc::Document& document, const QDateTime& stamp);

}  // namespace sentrel::bdf
