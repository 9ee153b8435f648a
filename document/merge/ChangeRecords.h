#pragma once

#include <QString>
#include <array>
#include <vector>

namespace sentrel::doc {

class Document;

// One merge record: its code and five fields as the merge file holds them.
struct ChangeRecord {
    int code = 0;
    std::array<QString, 5> fields;

    bool operator==(const ChangeRecord&) const = default;
};

// The merge records that, replayed onto `from`, give `target`: what an undo writes to the
// journal so that the merge file stays true to the document the user sees. `from` and
// `target` are two states of one document (an edit apart). Renamed properties are
// recognised where a name changed in place (same position and data type); records come in
// the order 7, 9, 6, 3 (deepest types first), 13 (parents first), 2, 5, 8, 12, 11, 10.
// Browsers or folders that `target` has and `from` lacks are not created (no edit takes
// a type out of a document but the compaction, which nothing undoes). `stamp` is the date
// of records 2, 5 and 8.
std::vector<ChangeRecord> changeRecords(Document& from, Document& target, const QString& stamp);

}  // namespace sentrel::doc
