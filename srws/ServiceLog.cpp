#include "srws/ServiceLog.h"

#include <fcntl.h>
#include <syslog.h>
#include <unistd.h>

#include <algorithm>

#include "registry/reader/StorePaths.h"
#include "srws/LocalTime.h"

namespace sentrel::srws {

const char* const ServiceLog::kIdent = "Sentrel Reports Web Service";

ServiceLog::ServiceLog() {
    openlog(kIdent, LOG_PID, LOG_USER);
}

ServiceLog::~ServiceLog() {
    closelog();
}

std::string ServiceLog::fileFor(std::time_t when) const {
    if (folder_.empty() || !reg::isFolder(folder_)) return {};
    return folder_ + "/srws-" + localText(when, "%Y-%m-%d") + ".log";
}

void ServiceLog::write(int priority, const std::string& text) const {
    // One line per entry, whatever the text holds.
    std::string line = text;
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::replace(line.begin(), line.end(), '\r', ' ');
    syslog(priority, "%s", line.c_str());
    appendToFile(std::time(nullptr), line);
}

void ServiceLog::appendToFile(std::time_t when, const std::string& text) const {
    const std::string path = fileFor(when);
    if (path.empty()) return;
    // Many service processes log at once, so each entry is appended with a single write
    // to a file opened for appending: the system keeps whole lines from interleaving, and a
    // line is written whole or not at all. A log cannot be replaced by renaming without
    // losing the lines of the processes writing at the same moment.
    const std::string line = localTimeText(when) + ' ' + text + '\n';
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0664);
    if (fd < 0 || ::write(fd, line.data(), line.size()) != ssize_t(line.size()))
        syslog(LOG_ERR, "cannot write the log file %s", path.c_str());
    if (fd >= 0) ::close(fd);
}

}  // namespace sentrel::srws
