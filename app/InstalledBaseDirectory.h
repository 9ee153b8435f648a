#pragma once

#include <QString>
#include <QStringList>

namespace sentrel::app {

// The base directory of an installed program. A package installs the program's data read-only
// in <prefix>/share/sentrel beside <prefix>/bin; the files the program writes live in a
// writable copy for each user ($XDG_DATA_HOME/sentrel, else ~/.local/share/sentrel), made on
// the first start. In that copy the program's own files are links into the installation, so
// that a package upgrade reaches them, and the user's files are copies made when missing.
// A program run from the build tree has no such folder and keeps the registered base
// directory as it is.
class InstalledBaseDirectory {
  public:
    // The files that are the user's: copied once, never replaced.
    static const QStringList kUserFiles;

    // <prefix>/share/sentrel for an executable in <prefix>/bin; empty when that folder holds
    // no installation (no "intmpl.bdf").
    static QString dataFolderOf(const QString& executableFolder);
    // $XDG_DATA_HOME/sentrel, else ~/.local/share/sentrel.
    static QString userFolder();

    // The base directory to use. `registered` is the key store's "basedir" ("-1" or empty
    // when there is none). With no base directory registered, or the installation's own data
    // folder registered, it is the user's copy, prepared first; otherwise `registered`.
    // Throws AppError when the user's copy cannot be made.
    static QString resolve(const QString& registered, const QString& executableFolder);

    // Makes or refreshes `user` from `installed`: the program's files linked (a real file or
    // folder of the same name, such as one copied by scripts/run.sh, is left alone; links into
    // the installation whose target went away are removed), the user's files copied when
    // missing, the "reports" folder made. Throws AppError on failure.
    static void prepareUserCopy(const QString& installed, const QString& user);
};

}  // namespace sentrel::app
