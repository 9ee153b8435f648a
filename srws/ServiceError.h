#pragma once

#include <stdexcept>
#include <string>

namespace sentrel::srws {

// A failure of the service's work with its database: the part that failed ("SQLConnection",
// "SRWS") and the description, lines separated by CR as the editor's database messages have
// them; never a password.
class ServiceError : public std::runtime_error {
  public:
    ServiceError(std::string source, const std::string& description)
        : std::runtime_error(description), source_(std::move(source)) {}

    const std::string& source() const { return source_; }
    // "[source] description", as the service's log and status page show it.
    std::string text() const { return '[' + source_ + "] " + what(); }

  private:
    std::string source_;
};

}  // namespace sentrel::srws
