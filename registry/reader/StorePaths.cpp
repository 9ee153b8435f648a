#include "registry/reader/StorePaths.h"

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>
#include <memory>
#include <vector>

#include "registry/reader/FolderName.h"

namespace sentrel::reg {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string cleanPath(std::string_view path) {
    std::vector<std::string_view> levels;
    const bool absolute = path.starts_with('/');
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view level = path.substr(0, slash);
        path.remove_prefix(slash == std::string_view::npos ? path.size() : slash + 1);
        if (level.empty() || level == ".") continue;
        if (level == ".." && !levels.empty() && levels.back() != "..") {
            levels.pop_back();
        } else {
            levels.push_back(level);
        }
    }
    std::string out;
    for (const std::string_view level : levels) (out += '/') += level;
    if (!absolute) return out.empty() ? "." : out.substr(1);
    return out.empty() ? "/" : out;
}

std::string homeFolder() {
    std::string home = environment("HOME");
    if (home.empty()) {
        const passwd* account = ::getpwuid(::getuid());
        if (account && account->pw_dir) home = account->pw_dir;
    }
    return home.empty() ? "/" : cleanPath(home);
}

std::string currentFolder() {
    const std::unique_ptr<char, decltype(&std::free)> folder(::getcwd(nullptr, 0), &std::free);
    return folder ? folder.get() : "/";
}

// The sub-folder names of `parent` (all but "." and ".."), with a flag telling whether the
// entry is certainly a folder (a link or an unknown type must be looked at).
template <typename Visit>
void forEachEntry(const std::string& parent, Visit visit) {
    const std::unique_ptr<DIR, decltype(&::closedir)> folder(::opendir(parent.c_str()),
                                                             &::closedir);
    if (!folder) return;
    while (const dirent* entry = ::readdir(folder.get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        visit(name, entry->d_type);
    }
}

}  // namespace

std::string defaultStoreRoot(const std::string& machineFolder) {
    const std::string explicitRoot = environment("SENTREL_REGISTRY");
    if (!explicitRoot.empty()) return explicitRoot;
    if (isFolder(machineFolder)) return machineFolder;
    std::string config = environment("XDG_CONFIG_HOME");
    if (config.empty()) config = homeFolder() + "/.config";
    return config + "/sentrel/registry";
}

std::string absoluteCleanPath(std::string_view path) {
    if (path.starts_with('/')) return cleanPath(path);
    return cleanPath(currentFolder() + '/' + std::string(path));
}

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string childKeyFolder(const std::string& parent, std::string_view name,
                           const KeyNameEquality& equal) {
    const std::string exact = parent + '/' + folderNameOfKey(name);
    if (isFolder(exact)) return exact;
    std::string found;
    forEachEntry(parent, [&](std::string_view folder, unsigned char type) {
        if (!found.empty() && folder >= std::string_view(found).substr(parent.size() + 1)) return;
        if (type != DT_DIR && type != DT_LNK && type != DT_UNKNOWN) return;
        if (!equal(keyNameOfFolder(folder), name)) return;
        const std::string path = parent + '/' + std::string(folder);
        if (type == DT_DIR || isFolder(path)) found = path;
    });
    return found;
}

}  // namespace sentrel::reg
