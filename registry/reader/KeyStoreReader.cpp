#include "registry/reader/KeyStoreReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>

#include "registry/RegistryConstants.h"
#include "registry/reader/PlainText.h"
#include "registry/reader/StorePaths.h"
#include "registry/reader/ValueBytes.h"
#include "registry/reader/ValuesFileLines.h"

namespace sentrel::reg {

namespace {

// The whole content of a file; ERROR_FILE_NOT_FOUND when there is none, ERROR_ACCESS_DENIED
// when it cannot be read.
int readWholeFile(const std::string& path, std::string& content) {
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return errno == ENOENT || errno == ENOTDIR ? ERROR_FILE_NOT_FOUND : ERROR_ACCESS_DENIED;
    }
    struct stat info {};
    if (::fstat(file, &info) == 0 && info.st_size > 0) content.reserve(std::size_t(info.st_size));
    char buffer[16384];
    ssize_t count = 0;
    while ((count = ::read(file, buffer, sizeof buffer)) > 0) content.append(buffer, count);
    ::close(file);
    return count == 0 ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

StoredValue storedValueOf(const ValueLine& line) {
    StoredValue value;
    if (line.type == REG_SZ) {
        value.kind = StoredValue::Kind::Text;
        value.text = textOfStringBytes(line.data);
    } else if (line.type == REG_DWORD) {
        if (const auto number = numberOfDwordBytes(line.data)) {
            value.kind = StoredValue::Kind::Number;
            value.number = *number;
        }
    }
    return value;
}

}  // namespace

KeyStoreReader::KeyStoreReader(std::string rootFolder)
    : root_(absoluteCleanPath(rootFolder.empty() ? "." : rootFolder)) {}

std::string KeyStoreReader::defaultRootFolder(const std::string& machineFolder) {
    return defaultStoreRoot(machineFolder);
}

int KeyStoreReader::openKey(const std::string& keyPath, std::string& folder) const {
    folder = root_ + "/HKEY_LOCAL_MACHINE";
    if (!isFolder(folder)) return ERROR_FILE_NOT_FOUND;
    std::string_view rest = keyPath;
    while (!rest.empty()) {
        const std::size_t separator = rest.find('\\');
        const std::string_view level = rest.substr(0, separator);
        rest.remove_prefix(separator == std::string_view::npos ? rest.size() : separator + 1);
        if (level.empty()) continue;
        folder = childKeyFolder(folder, level, equalIgnoringAsciiCase);
        if (folder.empty()) return ERROR_FILE_NOT_FOUND;
    }
    // Reading a key's values needs read and search rights on its folder.
    if (::faccessat(AT_FDCWD, folder.c_str(), R_OK | X_OK, AT_EACCESS) == 0) return ERROR_SUCCESS;
    return errno == ENOENT || errno == ENOTDIR ? ERROR_FILE_NOT_FOUND : ERROR_ACCESS_DENIED;
}

KeyStoreReader::Key& KeyStoreReader::key(const std::string& keyPath) const {
    auto found = keys_.find(keyPath);
    if (found == keys_.end()) {
        found = keys_.emplace(keyPath, Key{}).first;
        found->second.status = openKey(keyPath, found->second.folder);
    }
    return found->second;
}

void KeyStoreReader::readValues(Key& key) const {
    std::string content;
    key.valuesRead = true;
    key.valuesStatus = readWholeFile(key.folder + "/values.reg", content);
    if (key.valuesStatus == ERROR_FILE_NOT_FOUND) key.valuesStatus = ERROR_SUCCESS;
    if (key.valuesStatus != ERROR_SUCCESS) return;
    forEachValuesFileLine(content, [&](std::string_view, std::string_view line) {
        if (auto value = decodeValueLine(line)) key.values.push_back(std::move(*value));
    });
}

bool KeyStoreReader::keyExists(const std::string& keyPath) const {
    return key(keyPath).status == ERROR_SUCCESS;
}

StoredValue KeyStoreReader::getKeyValue(const std::string& keyPath,
                                        const std::string& valueName) const {
    Key& found = key(keyPath);
    if (found.status != ERROR_SUCCESS) return {StoredValue::Kind::Text, "-1", 0};
    if (!found.valuesRead) readValues(found);
    const auto value = std::find_if(found.values.begin(), found.values.end(),
                                    [&](const ValueLine& line) {
                                        return equalIgnoringAsciiCase(line.name, valueName);
                                    });
    return value == found.values.end() ? StoredValue{} : storedValueOf(*value);
}

}  // namespace sentrel::reg
