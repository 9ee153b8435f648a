#pragma once

#include <unistd.h>

#include <QFile>
#include <QString>
#include <QStringList>

// Running a step as the unprivileged account "nobody", where the tests (run as root) need
// permissions that really fail.
namespace sentrel::test::nobody {

// The command prefix that runs a program as "nobody".
inline const QStringList kCommand = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534",
                                     "--clear-groups"};

inline bool available() {
    return ::geteuid() == 0 && QFile::exists(kCommand.first());
}

// Hands a file or folder to "nobody"; false when that fails.
inline bool give(const QString& path) {
    return ::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0;
}

}  // namespace sentrel::test::nobody
