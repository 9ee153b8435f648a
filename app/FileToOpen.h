#pragma once

#include <QString>

#include "app/StartupHost.h"

namespace sentrel::app {

// The first definition file to open when the Setup Wizard does not run: with "autoload" on,
// the "autoloadBDF" file (possibly none); with it off, the whole command line taken as one
// path. Empty: open nothing.
QString chooseFileToOpen(const StartupOptions& options, const QString& commandLine);

// The command line as one path: the arguments after the program name joined by blanks.
QString wholeCommandLine(const QStringList& arguments);

}  // namespace sentrel::app
