#pragma once

#include <QByteArray>
#include <QString>

#include "registry/RegistryConstants.h"

namespace sentrel::reg {

// The file operations of the key store, each answering with a registry status
// (ERROR_SUCCESS, ERROR_ACCESS_DENIED, ERROR_DISK_FULL, ...). Tests derive from it to make
// a step fail the way a full disk or a refused permission would.
class KeyFileSystem {
  public:
    virtual ~KeyFileSystem() = default;

    // Whether this process may use `folder` with `access`: reading needs read and search
    // rights on the folder, writing needs write rights on it, rewriting access needs
    // ownership (or the superuser).
    virtual int checkAccess(const QString& folder, RegAccess access) const;
    // Creates one folder (its parent exists), readable by all unless the umask says less.
    virtual int makeFolder(const QString& path);
    // Reads a whole file; ERROR_FILE_NOT_FOUND when it does not exist.
    virtual int readFile(const QString& path, QByteArray& content) const;
    // Replaces a file whole or not at all (temporary file + rename). A new file takes the
    // folder's read and write rights; no file is ever left writable by every account.
    virtual int writeFile(const QString& path, const QByteArray& content);
    // Sets a file's or folder's mode bits (0775, 0664, ...).
    virtual int setMode(const QString& path, int mode);
    // Removes a folder and the files in it.
    virtual int removeFolder(const QString& path);
};

}  // namespace sentrel::reg
