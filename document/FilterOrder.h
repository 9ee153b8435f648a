#pragma once

#include <vector>

namespace sentrel::doc {

class Document;
class FiltersArray;

// The order in which filters apply, the one order in which the editor stores them and every
// BDD lists them: ascending `priority`, filters of equal priority in their stored order (a
// stable sort).
namespace filter_order {

// The positions of the filters, in that order.
std::vector<int> byPriority(const FiltersArray& filters);

// Stores the document's filters in that order. Before structure 3 only the five fields of
// the older filter record are carried. Throws AppError, the filters then staying as they were.
void sortByPriority(Document& document);

}  // namespace filter_order
}  // namespace sentrel::doc
