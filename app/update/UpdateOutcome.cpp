#include "app/update/UpdateOutcome.h"

namespace sentrel::update {

namespace {

QString releaseText(const QDateTime& release) {
    return release.isValid() ? release.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))
                             : QStringLiteral("none");
}

}  // namespace

QString UpdateOutcome::summaryLine() const {
    switch (status) {
        case Status::Updated:
            return QStringLiteral("Updated to release %1 (was %2); customizations: %3.")
                .arg(releaseText(offeredRelease), releaseText(installedRelease), replay.summary());
        case Status::UpToDate:
            return QStringLiteral(
                       "No newer definitions: release %1 is installed, the update "
                       "source offers %2.")
                .arg(releaseText(installedRelease), releaseText(offeredRelease));
        case Status::NewerAvailable:
            return QStringLiteral("A newer release is available: %1 (installed: %2).")
                .arg(releaseText(offeredRelease), releaseText(installedRelease));
        case Status::Failed:
            break;
    }
    return QStringLiteral("Update failed: %1 The installed definitions are unchanged.").arg(reason);
}

QString UpdateOutcome::reportText() const {
    QString text = summaryLine() + u'\n';
    const QStringList conflicts = replay.conflictLines();
    if (!conflicts.isEmpty()) {
        text += QStringLiteral("\nThese customizations could not be carried over:\n") +
                conflicts.join(u'\n') + u'\n';
    }
    return text;
}

int UpdateOutcome::updateExitCode() const {
    if (status == Status::Failed) return 2;
    return status == Status::Updated && hasConflicts() ? 1 : 0;
}

int UpdateOutcome::checkExitCode() const {
    if (status == Status::Failed) return 2;
    return status == Status::NewerAvailable ? 0 : 1;
}

}  // namespace sentrel::update
