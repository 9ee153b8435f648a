#pragma once

#include <QString>

// Names derived from a definition file's path: its file-name part and its companion files
// (the merge file ".mrg", the BDD ".bdd"), which replace the path's last three characters.
namespace sentrel::lifecycle {

// The characters after the last "/" of the path; the whole path when it has none.
QString FileNameOnly(const QString& path);

// The path with its last three characters replaced by `extension` ("mrg", "bdd").
QString withLastThree(const QString& path, const QString& extension);

// The path made absolute against the current folder, with "." and ".." resolved; an empty
// path stays empty. Paths given by the user (command line, options) may be relative; the
// file's title, merge file and recent-files entry must not depend on the folder the program
// was started from.
QString absolutePath(const QString& path);

// The last three characters of the path, lower-cased.
QString lastThreeLower(const QString& path);

// The file name of the blank template and of the maker's master file.
inline const QString kTemplateName = QStringLiteral("intmpl.bdf");
inline const QString kMasterName = QStringLiteral("norvane.bdf");

// True when the path names the blank template anywhere in it, in any letter case.
bool mentionsTemplate(const QString& path);
// True when the file-name part of the path is the master file's, in any letter case.
bool isMasterFile(const QString& path);

}  // namespace sentrel::lifecycle
