#pragma once

#include <QString>

#include "editor/lifecycle/MergeJournal.h"
#include "editor/lifecycle/PendingMerge.h"

namespace sentrel::lifecycle {

// Carries the journal's records into a merge file. The merge file is written whole: the
// content of `source` (the merge file itself on a save, the old file's merge file on a
// save under a new name; nothing when it does not exist), the records still pending for
// `source`, then the journal's records, into a temporary file that is renamed over
// `target`. Only then are the pending file (on a save to the same merge file) and the
// journal's records consumed. On any failure AppError is thrown and the target, the source,
// the pending file and the journal are as they were. `count` limits the move to the
// journal's first bytes (-1: all); the rest stays in it.
void moveJournalInto(MergeJournal& journal, const PendingMerge& pending, const QString& target,
                     const QString& source, qint64 count = -1);

}  // namespace sentrel::lifecycle
