#pragma once

#include <QDateTime>

namespace sentrel::doc {
class Document;
}

namespace sentrel::bdf {

class DefinitionTables;

// Fills a document made by makeDefinitionTemplate with the shipped definitions
// ("maindefs.bdf") read from their source tables: the user properties with the root's values,
// the folders and browser entries with their patterns and values (version rows filling the
// version properties), and the filters with their uIds. Throws AppError, naming the row, for
// a duplicate name, an unknown parent or property, a value its property's data type rejects
// or a duplicate filter uId.
void addSampleDefinitions(doc::Document& document, const DefinitionTables& tables,
                          const QDateTime& stamp);

}  // namespace sentrel::bdf
