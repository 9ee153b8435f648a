#pragma once

namespace sentrel::doc {
class Document;
}

namespace sentrel::lifecycle {

class LifecycleView;

// Puts the document's filters in ascending priority order, keeping the stored order of
// filters of equal priority (a stable sort), when `filtersUnsorted` is set; clears it after
// sorting. Before structure 3 only the five fields of the older filter record are carried.
// A failure shows "Error <number> trying to sort filters." in the first status panel, leaves
// the flag set and the filters as they were, and answers false.
bool sortFilters(doc::Document& document, bool& filtersUnsorted, LifecycleView& view);

}  // namespace sentrel::lifecycle
