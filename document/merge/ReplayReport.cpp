#include "document/merge/ReplayReport.h"

#include <QStringList>
#include <algorithm>

namespace sentrel::doc {

int ReplayReport::count(ReplayOutcome outcome) const {
    return static_cast<int>(
        std::count_if(entries.begin(), entries.end(),
                      [&](const ReplayEntry& e) { return e.outcome == outcome; }));
}

QString ReplayReport::summary() const {
    const int conflicts = count(ReplayOutcome::Conflict);
    return QStringLiteral("%1 applied, %2 already so, %3 %4")
        .arg(count(ReplayOutcome::Applied))
        .arg(count(ReplayOutcome::AlreadySo))
        .arg(conflicts)
        .arg(conflicts == 1 ? QStringLiteral("conflict") : QStringLiteral("conflicts"));
}

QStringList ReplayReport::conflictLines() const {
    QStringList lines;
    for (const ReplayEntry& entry : entries) {
        if (entry.outcome != ReplayOutcome::Conflict) continue;
        lines << QStringLiteral("line %1: %2: %3").arg(entry.line).arg(entry.reason, entry.text);
    }
    return lines;
}

QString ReplayReport::text() const {
    QString report = summary() + u'\n';
    const QStringList conflicts = conflictLines();
    if (!conflicts.isEmpty())
        report += QStringLiteral("Conflicts:\n") + conflicts.join(u'\n') + u'\n';
    return report;
}

}  // namespace sentrel::doc
