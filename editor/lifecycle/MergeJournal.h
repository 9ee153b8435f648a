#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <vector>

#include "editor/lifecycle/MergeRecord.h"

namespace sentrel::lifecycle {

// The temporary merge file "merge.tmp" in the base directory: the merge records of the
// edits made since the last save. It is held open for writing while a definition file is
// open; each record is written through to disk at once, so a crash keeps what was recorded.
// Every failure throws AppError.
class MergeJournal {
  public:
    static inline const QString kFileName = QStringLiteral("merge.tmp");

    MergeJournal() = default;
    explicit MergeJournal(const QString& baseDirectory) { setBaseDirectory(baseDirectory); }
    MergeJournal(const MergeJournal&) = delete;
    MergeJournal& operator=(const MergeJournal&) = delete;

    void setBaseDirectory(const QString& baseDirectory);
    QString path() const { return file_.fileName(); }
    bool isOpen() const { return file_.isOpen(); }

    // Creates the file empty (any leftover content is dropped) and holds it open.
    void create();
    // Appends one record. Writing while no definition file is open is refused.
    void WriteMergeRecord(int code, const QString& field1, const QString& field2,
                          const QString& field3, const QString& field4, const QString& field5);
    void write(const MergeRecord& record);
    // Appends the records together: all of them, or (when the write fails) none.
    void write(const std::vector<MergeRecord>& records);

    // The records collected and not yet moved, as they stand in the file.
    QByteArray collected() const;
    bool isEmpty() const { return size() == 0; }
    // How many bytes of records are collected and not yet moved.
    qint64 size() const { return file_.isOpen() ? file_.size() - moved_ : 0; }
    // The records in the file on disk while it is not open (left by a file that was closed
    // with records it could not move, or by an earlier session); empty when there is none.
    QByteArray leftover() const;
    // Marks the first `count` bytes of the collected records as moved into a merge file: they
    // are never collected again. When nothing else is left the file is emptied; should that
    // fail, the moved records stay in it but are skipped all the same. Never throws.
    void consume(qint64 count);

    // Closes the file and keeps it on disk.
    void close();
    // Closes the file and deletes it: the records of unsaved edits are discarded. A file on
    // disk that this journal does not hold open (left by an earlier close or session) stays.
    void discard();

  private:
    void writeLines(const QByteArray& lines);

    QFile file_;
    qint64 moved_ = 0;  // leading bytes of the file already in a merge file
};

}  // namespace sentrel::lifecycle
