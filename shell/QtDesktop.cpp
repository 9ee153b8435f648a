#include "shell/QtDesktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

namespace sentrel {

bool QtDesktop::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool QtDesktop::startDetached(const QString& program) {
    return QProcess::startDetached(program, {}, QFileInfo(program).absolutePath());
}

}  // namespace sentrel
