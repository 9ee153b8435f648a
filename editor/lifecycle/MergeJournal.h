#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

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

    // The records collected so far, as they stand in the file.
    QByteArray collected() const;
    bool isEmpty() const { return !file_.isOpen() || file_.size() == 0; }
    // Empties the file after its records have reached the merge file, keeping `rest` (records
    // that were not moved); it stays open.
    void restart(const QByteArray& rest = {});

    // Closes the file and keeps it on disk.
    void close();
    // Closes the file and deletes it: the records of unsaved edits are discarded.
    void discard();

  private:
    QFile file_;
};

}  // namespace sentrel::lifecycle
