#pragma once

#include <ctime>
#include <string>

namespace sentrel::srws {

// Where the service reports its failures: syslog under the name "Sentrel Reports Web
// Service" and, when a log folder is set and exists, the dated file
// "srws-yyyy-MM-dd.log" in it (one line per entry: ISO time, blank, text).
class ServiceLog {
  public:
    static const char* const kIdent;

    ServiceLog();
    ~ServiceLog();
    ServiceLog(const ServiceLog&) = delete;
    ServiceLog& operator=(const ServiceLog&) = delete;

    // The folder of the dated log files; empty: syslog only.
    void setFolder(std::string folder) { folder_ = std::move(folder); }
    // The file an entry written at `when` goes to; empty when there is no usable folder.
    std::string fileFor(std::time_t when) const;

    void error(const std::string& text) const { write(3, text); }    // LOG_ERR
    void warning(const std::string& text) const { write(4, text); }  // LOG_WARNING

  private:
    void write(int priority, const std::string& text) const;
    void appendToFile(std::time_t when, const std::string& text) const;

    std::string folder_;
};

}  // namespace sentrel::srws
