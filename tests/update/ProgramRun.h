#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace sentrel::test {

// The built sentrel-update program, run with the key store `keyStore`.
struct ProgramRun {
    int exitCode = -1;  // -1 when it did not end normally
    QString out;
    QString err;

    static void start(QProcess& process, const QString& keyStore, const QStringList& arguments);
    // Runs it to its end.
    static ProgramRun run(const QString& keyStore, const QStringList& arguments);
};

}  // namespace sentrel::test
