#include "srws/ServiceLog.h"

#include <fcntl.h>
#include <syslog.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

namespace sentrel::srws {

const char* const ServiceLog::kIdent = "Sentrel Reports Web Service";

ServiceLog::ServiceLog() {
    openlog(kIdent, LOG_PID, LOG_USER);
}

ServiceLog::~ServiceLog() {
    closelog();
}

QString ServiceLog::fileFor(const QDateTime& when) const {
    if (folder_.isEmpty() || !QFileInfo(folder_).isDir()) return QString();
    return folder_ + QStringLiteral("/srws-") + when.toString(QStringLiteral("yyyy-MM-dd")) +
           QStringLiteral(".log");
}

void ServiceLog::write(int priority, const QString& text) const {
    // One line per entry, whatever the text holds.
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    syslog(priority, "%s", line.toUtf8().constData());
    appendToFile(QDateTime::currentDateTime(), line);
}

void ServiceLog::appendToFile(const QDateTime& when, const QString& text) const {
    const QString path = fileFor(when);
    if (path.isEmpty()) return;
    // Many service processes log at once, so each entry is appended with a single write
    // to a file opened for appending: the system keeps whole lines from interleaving, and a
    // line is written whole or not at all. A log cannot be replaced by renaming without
    // losing the lines of the processes writing at the same moment.
    const QByteArray line = (when.toString(Qt::ISODate) + QLatin1Char(' ') + text).toUtf8() + '\n';
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0664);
    if (fd < 0) {
        syslog(LOG_ERR, "cannot write the log file %s", QFile::encodeName(path).constData());
        return;
    }
    if (::write(fd, line.constData(), size_t(line.size())) != line.size()) {
        syslog(LOG_ERR, "cannot write the log file %s", QFile::encodeName(path).constData());
    }
    ::close(fd);
}

}  // namespace sentrel::srws
