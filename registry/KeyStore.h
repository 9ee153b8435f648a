#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "registry/KeyFileSystem.h"
#include "registry/RegData.h"
#include "registry/RegKey.h"
#include "registry/RegistryConstants.h"

namespace sentrel::reg {

class ValuesFile;

// The file-backed key store that holds the program's settings.
//
// Under the root folder there is a folder per root key ("HKEY_LOCAL_MACHINE"), then a folder
// per key level of the path ("\" separates levels). Key names and value names are compared
// without regard to case; a new key keeps the spelling it was first created with. A key's
// values are the lines of "values.reg" in its folder, in REGEDIT4 value syntax.
//
// Every call answers with a registry status (0 success, 2 not found, 5 access denied, ...).
// Writes replace "values.reg" whole (temporary file + rename) while holding the key's lock
// file, so two processes writing the same key at once lose no value; reads take no lock.
class KeyStore {
  public:
    // Root folder from the environment (see defaultRootFolder).
    KeyStore();
    explicit KeyStore(QString rootFolder, std::shared_ptr<KeyFileSystem> files = nullptr);

    // The machine-wide store that the installed package creates: readable by every account,
    // writable by root and the group "sentrel".
    static inline const QString kMachineFolder = QStringLiteral("/etc/sentrel/registry");

    // $SENTREL_REGISTRY, else `machineFolder` when that folder exists, else the personal
    // store $XDG_CONFIG_HOME/sentrel/registry (~/.config/sentrel/registry).
    static QString defaultRootFolder(const QString& machineFolder = kMachineFolder);
    const QString& rootFolder() const { return root_; }

    // Opens an existing key. ERROR_FILE_NOT_FOUND when a level is missing,
    // ERROR_ACCESS_DENIED when this process may not use the key with `access`.
    int openKey(RegRoot root, const QString& path, RegAccess access, RegKey& key) const;
    // Opens the key, creating the missing levels first.
    int createKey(RegRoot root, const QString& path, RegAccess access, RegKey& key);
    // Deletes a key with its values; a key that has sub-keys is not deleted
    // (ERROR_ACCESS_DENIED), nor is a root key.
    int deleteKey(RegRoot root, const QString& path);

    // Reads a value's type and bytes (key opened with KEY_QUERY_VALUE).
    int queryValue(const RegKey& key, const QString& name, RegData& value) const;
    // Stores a value, replacing one of the same name (key opened with KEY_SET_VALUE).
    int setValue(const RegKey& key, const QString& name, const RegData& value);
    // Removes a value (key opened with KEY_SET_VALUE).
    int deleteValue(const RegKey& key, const QString& name);
    // The names of the key's values and sub-keys, in stored order.
    int valueNames(const RegKey& key, QStringList& names) const;
    int subKeyNames(const RegKey& key, QStringList& names) const;

    // Lets every account read the key and its values, and the owner and the owner's group
    // change them (folder 0775, values file 0664); never every account (key opened with
    // WRITE_DAC).
    int grantEveryoneFullAccess(const RegKey& key);

  private:
    int findKeyFolder(RegRoot root, const QString& path, QString& folder) const;
    int makeFolderPath(const QString& folder);
    int createLevel(const QString& parent, const QString& name, QString& folder);
    int openFolder(const QString& folder, const QString& path, RegAccess access, RegKey& key) const;
    int usableKey(const RegKey& key, RegAccess rights) const;
    int readValues(const QString& folder, ValuesFile& values) const;
    int updateValues(const RegKey& key, const std::function<int(ValuesFile&)>& change);

    QString root_;
    std::shared_ptr<KeyFileSystem> files_;
};

}  // namespace sentrel::reg
