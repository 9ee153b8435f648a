#include "shell/RunAndWait.h"

#include <QFileInfo>
#include <QProcess>

namespace sentrel {

namespace {

template <typename Hook, typename... Args>
void call(const Hook& hook, Args&&... args) {
    if (hook) hook(std::forward<Args>(args)...);
}

void waitForEnd(QProcess& process, const QString& message, const WaitView& view) {
    call(view.showWait, message);
    call(view.processEvents);
    while (process.state() != QProcess::NotRunning) {
        process.waitForFinished(view.pollMilliseconds);
        call(view.processEvents);
    }
    call(view.hideWait);
    call(view.processEvents);
}

}  // namespace

void RunAndWait(const QString& program, const QString& message, const WaitView& view) {
    call(view.setWaiting, true);
    QProcess process;
    process.setWorkingDirectory(QFileInfo(program).absolutePath());
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, {});
    if (process.waitForStarted()) waitForEnd(process, message, view);
    call(view.setWaiting, false);
}

}  // namespace sentrel
