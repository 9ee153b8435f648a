#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace sentrel::doc {

// How one record of a merge file ended.
enum class ReplayOutcome {
    Applied,    // the change was made
    AlreadySo,  // the document already was as the record wants it: nothing to do
    Conflict,   // the change could not be made; `reason` says why
};

struct ReplayEntry {
    int line = 0;  // line number in the merge file, from 1
    int code = 0;  // record code; 0 when the line could not be read
    std::array<QString, 5> fields;
    ReplayOutcome outcome = ReplayOutcome::Conflict;
    QString reason;  // why a conflict is one; empty otherwise
    QString text;    // the record's line as it stands in the merge file
};

// Every record of a replay in file order, with the counts and texts shown to the user.
struct ReplayReport {
    std::vector<ReplayEntry> entries;

    int count(ReplayOutcome outcome) const;
    // "3 applied, 1 already so, 2 conflicts"
    QString summary() const;
    // One line per conflict: "line 4: <reason>: <record>".
    QStringList conflictLines() const;
    // The summary, then the conflicts, as saved to a report file.
    QString text() const;
};

}  // namespace sentrel::doc
