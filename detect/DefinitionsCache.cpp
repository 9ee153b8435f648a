#include "detect/DefinitionsCache.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "detect/BddReader.h"

namespace sentrel::detect {

DefinitionsCache::DefinitionsCache(Clock clock, std::chrono::milliseconds checkInterval)
    : clock_(std::move(clock)), checkInterval_(checkInterval) {}

DefinitionsCache& DefinitionsCache::shared() {
    static DefinitionsCache cache;
    return cache;
}

std::string DefinitionsCache::keyFor(const std::string& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

// A missing or unreadable file gives an empty stamp; reading it then reports why.
DefinitionsCache::FileStamp DefinitionsCache::stampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {};
    return {static_cast<long long>(info.st_mtim.tv_sec),
            static_cast<long long>(info.st_mtim.tv_nsec), static_cast<long long>(info.st_size),
            static_cast<unsigned long long>(info.st_dev),
            static_cast<unsigned long long>(info.st_ino)};
}

std::shared_ptr<DefinitionsCache::Slot> DefinitionsCache::slotFor(const std::string& key) {
    std::lock_guard lock(mutex_);
    auto& slot = slots_[key];
    if (!slot) slot = std::make_shared<Slot>();
    return slot;
}

std::shared_ptr<const Definitions> DefinitionsCache::get(const std::string& path) {
    const std::string key = keyFor(path);
    const auto slot = slotFor(key);
    std::lock_guard lock(slot->mutex);
    const auto now = clock_();
    if (slot->definitions && now - slot->checkedAt < checkInterval_) return slot->definitions;

    const FileStamp stamp = stampOf(key);
    if (slot->definitions && stamp == slot->stamp) {
        slot->checkedAt = now;
        return slot->definitions;
    }
    slot->definitions.reset();  // a file that fails to load must not be served
    auto loaded = std::make_shared<const Definitions>(BddReader::readFile(key));
    slot->definitions = loaded;
    slot->stamp = stamp;
    slot->checkedAt = now;
    return loaded;
}

void DefinitionsCache::forget(const std::string& path) {
    std::shared_ptr<Slot> slot;
    {
        std::lock_guard lock(mutex_);
        const auto found = slots_.find(keyFor(path));
        if (found == slots_.end()) return;
        slot = found->second;
    }
    std::lock_guard lock(slot->mutex);
    slot->definitions.reset();
}

}  // namespace sentrel::detect
