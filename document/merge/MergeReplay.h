#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <vector>

#include "document/merge/MergeRecordReader.h"
#include "document/merge/RecordApplier.h"
#include "document/merge/ReplayReport.h"

namespace sentrel::doc {

class Document;

// Applies the records of a merge file to a definitions document, in file order: the way
// customisations made to one definition file are carried into a newer one. Every record
// ends as applied, already so or a conflict with its reason (see docs/files-and-merge.md,
// "Replaying a merge file"); nothing is guessed, and a record that is not applied leaves the
// document as it was. Replaying the same records again changes nothing more.
//
// The replay changes the document itself. A caller that must know of each change (the
// editor journals applied records and marks the document modified, so a merge made in the
// editor reaches the file's own merge file on save) passes an `AppliedSink`: it is called
// right after each applied record, with that record (its code and fields as the merge file
// holds them, ready to be journalled again).
class MergeReplay {
  public:
    using AppliedSink = std::function<void(const ReplayEntry& applied)>;

    explicit MergeReplay(Document& document, AppliedSink applied = {});

    // The records of a whole merge file (UTF-8, lines ending in CR LF or LF; empty lines are
    // skipped).
    ReplayReport replay(const QByteArray& mergeFile);
    // Reads the merge file at `path` and replays it; throws AppError when it cannot be read.
    ReplayReport replayFile(const QString& path);

  private:
    // One record, given as its line without the line ending.
    ReplayEntry replayLine(const QString& line, int lineNumber);

    struct FilterRecord {
        int line;
        RecordApplier::Fields fields;
    };

    void noteFilterRecords(const QStringList& lines);
    std::vector<RecordApplier::Fields> laterFilterFields(const ReadMergeRecord& record,
                                                         int line) const;

    Document& document_;
    // The filter records (10 and 11) of the merge file being replayed, by unique id.
    QHash<int, std::vector<FilterRecord>> fileFilters_;
    AppliedSink applied_;
};

}  // namespace sentrel::doc
