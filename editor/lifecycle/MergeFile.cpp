#include "editor/lifecycle/MergeFile.h"

#include <QFileInfo>

#include "document/FileAccess.h"

namespace sentrel::lifecycle {

void moveJournalInto(MergeJournal& journal, const QString& target, const QString& source) {
    const QByteArray records = journal.collected();
    const bool sameFile = QFileInfo(target).absoluteFilePath() == QFileInfo(source).absoluteFilePath();
    if (records.isEmpty() && sameFile && QFileInfo::exists(target)) return;
    QByteArray content;
    if (!source.isEmpty() && QFileInfo::exists(source)) content = doc::file_access::readAll(source);
    doc::file_access::writeAll(target, content + records);
    journal.restart();
}

}  // namespace sentrel::lifecycle
