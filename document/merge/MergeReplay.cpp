#include "document/merge/MergeReplay.h"

#include <QStringList>

#include "document/FileAccess.h"
#include "document/merge/MergeRecordReader.h"
#include "document/merge/RecordApplier.h"
#include "shell/AppError.h"

namespace sentrel::doc {

MergeReplay::MergeReplay(Document& document, AppliedSink applied)
    : document_(document), applied_(std::move(applied)) {}

ReplayReport MergeReplay::replay(const QByteArray& mergeFile) {
    ReplayReport report;
    const QStringList lines = QString::fromUtf8(mergeFile).split(u'\n');
    noteFilterRecords(lines);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.trimmed().isEmpty()) continue;
        report.entries.push_back(replayLine(line, static_cast<int>(i + 1)));
    }
    return report;
}

void MergeReplay::noteFilterRecords(const QStringList& lines) {
    fileFilters_.clear();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ReadMergeRecord record = MergeRecordReader::read(lines[i]);
        if (record.ok() && (record.code == 10 || record.code == 11)) {
            fileFilters_[record.fields[0].toInt()].push_back(
                {static_cast<int>(i + 1), record.fields});
        }
    }
}

std::vector<RecordApplier::Fields> MergeReplay::laterFilterFields(const ReadMergeRecord& record,
                                                                  int line) const {
    std::vector<RecordApplier::Fields> later;
    if (record.code != 10) return later;
    for (const FilterRecord& other : fileFilters_.value(record.fields[0].toInt())) {
        if (other.line > line) later.push_back(other.fields);
    }
    return later;
}

ReplayReport MergeReplay::replayFile(const QString& path) {
    return replay(file_access::readAll(path));
}

ReplayEntry MergeReplay::replayLine(const QString& line, int lineNumber) {
    ReplayEntry entry;
    entry.line = lineNumber;
    entry.text = line;
    const ReadMergeRecord record = MergeRecordReader::read(line);
    entry.code = record.code;
    entry.fields = record.fields;
    if (!record.ok()) {
        entry.reason = QStringLiteral("damaged record (%1)").arg(record.fault);
        return entry;
    }
    try {
        const Verdict verdict = RecordApplier(document_, laterFilterFields(record, lineNumber))
                                    .apply(record.code, record.fields);
        entry.outcome = verdict.outcome;
        entry.reason = verdict.reason;
    } catch (const AppError& error) {
        entry.outcome = ReplayOutcome::Conflict;
        entry.reason = error.description();
    }
    if (entry.outcome == ReplayOutcome::Applied && applied_) applied_(entry);
    return entry;
}

}  // namespace sentrel::doc
