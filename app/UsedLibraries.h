#pragma once

#include <QStringList>

namespace sentrel::app {

// The libraries the program uses, each with the version found at run time ("Qt 6.4.2",
// "SQLite 3.40.1"), for the About box. A library whose version cannot be read is named
// without one.
QStringList usedLibraries();

}  // namespace sentrel::app
