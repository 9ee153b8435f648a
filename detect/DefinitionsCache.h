#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "detect/Definitions.h"

namespace sentrel::detect {

// Loaded definitions shared by every detection object of the process that reads the same
// file. A file is read once; later requests for the same path get the same read-only
// definitions. The file is looked at again (modification time, size and identity) at most
// once per check interval, and a changed file is read afresh: objects that ask after that get
// the new definitions, while objects still holding the old ones keep them valid until they
// let go. Safe to use from many threads at once.
class DefinitionsCache {
  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    explicit DefinitionsCache(Clock clock = &std::chrono::steady_clock::now,
                              std::chrono::milliseconds checkInterval = std::chrono::seconds(1));

    // The cache every detection object uses unless given another.
    static DefinitionsCache& shared();

    // The definitions of the file at `path`, loading or reloading them as needed. Throws
    // DetectError when the file is missing, unreadable or not a BDD; nothing is kept for a
    // file that failed, so the next request tries again.
    std::shared_ptr<const Definitions> get(const std::string& path);
    // The same for a path already turned into its key (keyFor), brought up to date in
    // `held`: a detection object asks on every call, and mostly keeps what it holds.
    void refreshKeyed(const std::string& key, std::shared_ptr<const Definitions>& held);

    // Drops what is loaded for `path`, so the next request reads the file afresh whatever
    // the check interval says. For a writer that has just replaced the file and must not be
    // served the old definitions (a file rewritten within the same second and of the same
    // size can look unchanged). Objects holding the old definitions keep them valid.
    void forget(const std::string& path);

    // The key under which a path is cached: absolute and normalised.
    static std::string keyFor(const std::string& path);

  private:
    struct FileStamp {
        long long seconds = 0;
        long long nanoseconds = 0;
        long long size = -1;
        unsigned long long device = 0;
        unsigned long long inode = 0;
        bool operator==(const FileStamp&) const = default;
    };

    struct Slot {
        std::mutex mutex;
        std::shared_ptr<const Definitions> definitions;
        FileStamp stamp;
        std::chrono::steady_clock::time_point checkedAt;
    };

    static FileStamp stampOf(const std::string& path);
    std::shared_ptr<Slot> slotFor(const std::string& key);
    void reloadIfChanged(const std::string& key, Slot& slot,
                         std::chrono::steady_clock::time_point now);

    Clock clock_;
    std::chrono::milliseconds checkInterval_;
    std::mutex mutex_;
    std::unordered_map<std::string, std::shared_ptr<Slot>> slots_;
};

}  // namespace sentrel::detect
