#pragma once

#include <QByteArray>
#include <QString>

namespace sentrel::doc::file_access {

// Reads a whole file. Throws AppError: 432 when the file or its folder is missing, 70 when
// reading is not permitted, 75 for other failures (a folder in place of the file, read errors).
QByteArray readAll(const QString& path);

// Throws 432 unless a file or folder exists at `path`.
void requireExisting(const QString& path);

// Writes `bytes` as the whole content of `path` through a temporary file beside it that is
// renamed into place, so the previous file stays whole when anything fails. Throws AppError:
// 76 when the folder is missing, 70 when writing is not permitted, 61 when the disk is full
// (or the file size limit is reached), 75 for other failures and for targets that are not
// regular files.
void writeAll(const QString& path, const QByteArray& bytes);

// Throws 76 unless the folder that is to hold `path` exists.
void requireFolderOf(const QString& path);

}  // namespace sentrel::doc::file_access
