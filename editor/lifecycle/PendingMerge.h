#pragma once

#include <QByteArray>
#include <QString>

namespace sentrel::lifecycle {

// Merge records that could not be written into their merge file, kept in the base directory
// (the merge file's own folder may be what failed) until the next successful save of that
// definition file moves them in. One pending file per merge file, in base directory +
// "/pending-merge/", named for the merge file and a short hash of its canonical path, so
// merge files of the same name in different folders never share one:
//
//     pending-merge/maindefs.mrg-3f2a9c01d4e5b6a7.pending
//
// Its first line names the merge file ("# merge file: /path/maindefs.mrg"); the records
// follow exactly as they will stand in the merge file. Records whose merge file is unknown
// (a temporary merge file left by an earlier session) are kept in a file of their own,
// "pending-merge/unassigned-<date and time>.pending", whose first line says so; the user
// decides where they belong. Every pending file is written whole (temporary file + rename).
// Failures throw AppError.
class PendingMerge {
  public:
    explicit PendingMerge(QString baseDirectory) : baseDirectory_(std::move(baseDirectory)) {}

    QString folder() const;
    // The pending file of a merge file, whether it exists or not.
    QString pathFor(const QString& mergeFile) const;
    // The records waiting for the merge file; empty when there are none.
    QByteArray recordsFor(const QString& mergeFile) const;
    // Adds records after those already waiting for the merge file.
    void keep(const QString& mergeFile, const QByteArray& records) const;
    // Removes the pending file once its records are in the merge file. A pending file that
    // cannot be removed stays (its records may then reach the merge file twice, never zero
    // times).
    void release(const QString& mergeFile) const;
    // Keeps records whose merge file is unknown; answers the file they are kept in.
    QString keepUnassigned(const QByteArray& records) const;

  private:
    static QByteArray headerFor(const QString& mergeFile);
    void write(const QString& path, const QByteArray& content) const;

    QString baseDirectory_;
};

}  // namespace sentrel::lifecycle
