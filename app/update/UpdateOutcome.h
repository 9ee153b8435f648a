#pragma once

#include <QDateTime>
#include <QString>

#include "document/merge/ReplayReport.h"

namespace sentrel::update {

// How a check or an update ended, with what the user is shown and the exit status.
struct UpdateOutcome {
    enum class Status {
        Updated,         // the newer release is installed, the customizations replayed
        UpToDate,        // the source offers no newer release: nothing was changed
        NewerAvailable,  // a check found a newer release (and changed nothing)
        Failed,          // nothing was changed; `reason` says why
    };

    Status status = Status::Failed;
    QDateTime offeredRelease;    // the release the source offers, when it could be read
    QDateTime installedRelease;  // the release installed before; invalid when none was
    doc::ReplayReport replay;    // the customizations replayed onto the new release
    QString reason;              // why it failed

    bool hasConflicts() const { return replay.count(doc::ReplayOutcome::Conflict) > 0; }
    // One line for the log of a scheduled run.
    QString summaryLine() const;
    // The summary line, then the conflicts of the replay one per line, as the window shows it.
    QString reportText() const;
    // Exit status of an update: 0 updated or nothing to do, 1 updated with conflicts, 2 failed.
    int updateExitCode() const;
    // Exit status of a check: 0 a newer release is available, 1 none, 2 the check failed.
    int checkExitCode() const;
};

}  // namespace sentrel::update
