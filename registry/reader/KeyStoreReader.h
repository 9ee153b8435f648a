#pragma once

#include <map>
#include <string>
#include <vector>

#include "registry/reader/StoredValue.h"
#include "registry/reader/ValueLine.h"

namespace sentrel::reg {

// Reads the key store without Qt: what mdlRegistry answers for HKEY_LOCAL_MACHINE,
// read-only. Key names and value names are compared with ASCII letters in any case (the
// callers ask for the program's fixed ASCII names). Each key is looked up and its values
// file read once per reader: make one for a short task, such as serving one request.
class KeyStoreReader {
  public:
    // `rootFolder` as KeyStore takes it (made absolute and cleaned).
    explicit KeyStoreReader(std::string rootFolder);
    static std::string defaultRootFolder(
        const std::string& machineFolder = "/etc/sentrel/registry");
    const std::string& rootFolder() const { return root_; }
    // As mdlRegistry::keyExists: the key can be opened with kAccessReadValue.
    bool keyExists(const std::string& keyPath) const;
    // As mdlRegistry::GetKeyValue(HKEY_LOCAL_MACHINE, ...): the text "-1" when the key cannot
    // be opened for reading; None when the value is missing, unreadable or of another type;
    // otherwise the text or the number.
    StoredValue getKeyValue(const std::string& keyPath, const std::string& valueName) const;

  private:
    struct Key {
        int status = 0;  // of opening it for reading
        std::string folder;
        bool valuesRead = false;
        int valuesStatus = 0;  // of reading its values file
        std::vector<ValueLine> values;
    };
    Key& key(const std::string& keyPath) const;
    int openKey(const std::string& keyPath, std::string& folder) const;
    void readValues(Key& key) const;

    std::string root_;
    mutable std::map<std::string, Key, std::less<>> keys_;  // by key path as asked
};

}  // namespace sentrel::reg
