#pragma once

#include <memory>

#include "document/Document.h"

namespace sentrel::doc::testing {

// Shape of a synthetic definitions document for benchmarks and tests.
struct SyntheticShape {
    int typeCount = 20000;      // browser types below the root
    int userProperties = 150;   // parameters declared on the root besides the system ones
    int ownValuesPerType = 10;  // values each type sets itself
    int childrenPerType = 8;    // fan-out of the type tree
    int filterCount = 2000;

    // `typeCount` types, each deriving from the one before: a chain that deep below the root,
    // with a few properties and filters.
    static SyntheticShape chain(int typeCount) {
        return {typeCount, /*userProperties=*/8, /*ownValuesPerType=*/6, /*childrenPerType=*/1,
                /*filterCount=*/4};
    }
};

// A structure-3 document: data types, the root "DefaultBrowser" with the system, version and
// user properties, browser types named "b<number>" nested in a tree of the given fan-out,
// "Internals", and the "Filters"/"FiltersArray" collection with `filterCount` filters.
// The content depends only on the shape.
std::unique_ptr<Document> buildSyntheticDocument(const SyntheticShape& shape = {});

}  // namespace sentrel::doc::testing
