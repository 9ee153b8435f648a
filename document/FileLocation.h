#pragma once

#include <QString>

// Where a file is, independent of how its path was written, and whether a folder takes new
// files. Used to name files kept on another file's behalf (its lock in the runtime folder,
// the merge records waiting for a merge file) so that two files of the same name in
// different folders never share one.
namespace sentrel::doc::file_location {

// The absolute path with links, "." and ".." resolved as far as the path exists: a file that
// does not exist yet keeps its name under its folder's canonical path.
QString canonicalPath(const QString& path);

// The file's name, "-" and 16 hexadecimal digits of the SHA-1 of its canonical path:
// readable, and the same for every way of writing the path.
QString keyedName(const QString& path);

// True when this account may create and remove files in the folder.
bool isWritableFolder(const QString& folder);

}  // namespace sentrel::doc::file_location
