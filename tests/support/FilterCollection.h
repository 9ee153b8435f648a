#pragma once

#include "document/Document.h"

namespace sentrel::test {

// Adds the filter collection in its current form to a document that has none: the Filters
// type with its seven fields and the FiltersArray property holding them.
inline void addFilterCollection(doc::Document& document) {
    doc::TypeObject& filters = document.AddType("Filters", "CLSID_ParamObjType");
    const char* const fields[][2] = {{"PropToSet", "string"}, {"MatchStr", "string"},
                                     {"ValToSet", "string"},  {"Priority", "integer"},
                                     {"uid", "integer"},      {"filterType", "integer"},
                                     {"dataField", "string"}};
    for (const auto& field : fields) filters.AddProperty(field[0], field[1]);
    document.addArrayType("FiltersArray", "Filters");
    document.AddProperty("FiltersArray", "FiltersArray");
}

}  // namespace sentrel::test
