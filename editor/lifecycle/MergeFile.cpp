#include "editor/lifecycle/MergeFile.h"

#include <QFileInfo>

#include "document/FileAccess.h"

namespace sentrel::lifecycle {

void moveJournalInto(MergeJournal& journal, const QString& target, const QString& source,
                     qint64 count) {
    const QByteArray collected = journal.collected();
    const QByteArray records = count < 0 ? collected : collected.left(count);
    const bool sameFile =
        QFileInfo(target).absoluteFilePath() == QFileInfo(source).absoluteFilePath();
    if (records.isEmpty() && sameFile && QFileInfo::exists(target)) return;
    QByteArray content;
    if (!source.isEmpty() && QFileInfo::exists(source)) content = doc::file_access::readAll(source);
    doc::file_access::writeAll(target, content + records);
    journal.restart(collected.mid(records.size()));
}

}  // namespace sentrel::lifecycle
