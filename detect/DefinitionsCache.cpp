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
    std::shared_ptr<const Definitions> definitions;
    refreshKeyed(keyFor(path), definitions);
    return definitions;
}

void DefinitionsCache::refreshKeyed(const std::string& key,
                                    std::shared_ptr<const Definitions>& held) {
    const auto slot = slotFor(key);
    std::lock_guard lock(slot->mutex);
    const auto now = clock_();
    const bool fresh = slot->definitions && now - slot->checkedAt < checkInterval_;
    if (!fresh) reloadIfChanged(key, *slot, now);
    if (held != slot->definitions) held = slot->definitions;
}

// Reads the file again when its stamp changed (or nothing is loaded), under the slot's lock.
void DefinitionsCache::reloadIfChanged(const std::string& key, Slot& slot,
                                       std::chrono::steady_clock::time_point now) {
    const FileStamp stamp = stampOf(key);
    if (slot.definitions && stamp == slot.stamp) {
        slot.checkedAt = now;
        return;
    }
    slot.definitions.reset();  // a file that fails to load must not be served
    slot.definitions = std::make_shared<const Definitions>(BddReader::readFile(key));
    slot.stamp = stamp;
    slot.checkedAt = now;
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
