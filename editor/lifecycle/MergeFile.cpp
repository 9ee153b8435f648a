#include "editor/lifecycle/MergeFile.h"

#include <QFileInfo>

#include "document/FileAccess.h"

namespace sentrel::lifecycle {

void moveJournalInto(MergeJournal& journal, const PendingMerge& pending, const QString& target,
                     const QString& source, qint64 count) {
    const QByteArray collected = journal.collected();
    const QByteArray records = count < 0 ? collected : collected.left(count);
    const QByteArray waiting = pending.recordsFor(source);
    const bool sameFile =
        QFileInfo(target).absoluteFilePath() == QFileInfo(source).absoluteFilePath();
    if (records.isEmpty() && waiting.isEmpty() && sameFile && QFileInfo::exists(target)) return;
    QByteArray content;
    if (!source.isEmpty() && QFileInfo::exists(source)) content = doc::file_access::readAll(source);
    doc::file_access::writeAll(target, content + waiting + records);
    if (sameFile) pending.release(source);
    journal.consume(records.size());
}

}  // namespace sentrel::lifecycle
