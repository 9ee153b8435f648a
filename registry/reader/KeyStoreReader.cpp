#include "registry/reader/KeyStoreReader.h"

#include <unistd.h>
#include <algorithm>

#include "registry/RegistryConstants.h"
#include "registry/reader/KeyFiles.h"
#include "registry/reader/PlainText.h"
#include "registry/reader/StorePaths.h"
#include "registry/reader/ValueBytes.h"
#include "registry/reader/ValuesFileLines.h"

namespace sentrel::reg {

namespace {

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

KeyStoreReader::KeyStoreReader(std::string rootFolder) : root_(absoluteCleanPath(rootFolder)) {}

std::string KeyStoreReader::defaultRootFolder(const std::string& machineFolder) {
    return defaultStoreRoot(machineFolder);
}

int KeyStoreReader::openKey(const std::string& keyPath, std::string& folder) const {
    const int status =
        findKeyFolder(root_ + "/HKEY_LOCAL_MACHINE", keyPath, equalIgnoringAsciiCase, folder);
    // Reading a key's values needs read and search rights on its folder.
    return status == ERROR_SUCCESS ? accessStatus(folder, R_OK | X_OK) : status;
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
    const auto value = std::find_if(
        found.values.begin(), found.values.end(),
        [&](const ValueLine& line) { return equalIgnoringAsciiCase(line.name, valueName); });
    return value == found.values.end() ? StoredValue{} : storedValueOf(*value);
}

}  // namespace sentrel::reg
