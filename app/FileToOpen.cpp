#include "app/FileToOpen.h"

#include <QStringList>

namespace sentrel::app {

QString chooseFileToOpen(const StartupOptions& options, const QString& commandLine) {
    return options.autoload ? options.autoloadBDF : commandLine;
}

QString wholeCommandLine(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}

}  // namespace sentrel::app
