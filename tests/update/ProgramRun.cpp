#include "update/ProgramRun.h"

namespace sentrel::test {

void ProgramRun::start(QProcess& process, const QString& keyStore, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SENTREL_REGISTRY"), keyStore);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SENTREL_UPDATE_BINARY), arguments);
    process.waitForStarted();
}

ProgramRun ProgramRun::run(const QString& keyStore, const QStringList& arguments) {
    QProcess process;
    start(process, keyStore, arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace sentrel::test
