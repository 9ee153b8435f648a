#pragma once

#include <QString>
#include <optional>

#include "registry/KeyStore.h"
#include "registry/RegValue.h"
#include "registry/RegistryConstants.h"
#include "shell/Interaction.h"

namespace sentrel::reg {

// The program's registry module: single string or 32-bit values of the settings keys,
// keys created on demand, deleted, and opened to every account. Reads never show a
// message; failed writes show a "Registry error" message through the interaction and are
// abandoned.
class mdlRegistry {
  public:
    explicit mdlRegistry(Interaction& ui);
    mdlRegistry(Interaction& ui, KeyStore store);

    KeyStore& store() { return store_; }
    const KeyStore& store() const { return store_; }

    // The value (string or number), empty when the value is missing or of another type, or
    // the text "-1" when the key cannot be opened.
    RegValue GetKeyValue(RegRoot root, const QString& keyPath, const QString& valueName) const;
    // Writes one value; a missing key is created (and opened to every account) only when
    // `createIfMissing` is true. Failures are shown as messages; answers whether the value
    // was written.
    bool SetKeyValue(RegRoot root, const QString& keyPath, const QString& valueName,
                     const RegValue& value, RegType type, bool createIfMissing = false);
    // Creates (or opens) the key and its missing parents; the status (0 = success).
    int CreateNewKey(RegRoot root, const QString& keyPath);
    // Deletes a key that has no sub-keys; the status is not reported.
    void DeleteKey(RegRoot root, const QString& keyPath);

    // Reads a value of an open key: 0 with the value, -1 for a type other than REG_SZ and
    // REG_DWORD, else the system status (2 for a missing value).
    int QueryValueEx(const RegKey& key, const QString& valueName, RegValue& value) const;
    // Writes a value of an open key: REG_SZ as its text's bytes (the empty text as one NUL
    // byte), REG_DWORD as 4 bytes (a string must hold a decimal integer, else
    // ERROR_INVALID_PARAMETER), any other type as the bytes of the value's text. The status.
    int SetValueEx(const RegKey& key, const QString& valueName, RegType type,
                   const RegValue& value);
    // Opens the key (opened with WRITE_DAC) to every account; true when applied.
    bool GrantEveryoneFullAccess(const RegKey& key);
    // Opens the key with WRITE_DAC, applies GrantEveryoneFullAccess and closes it.
    bool OpenKeyToEveryone(const QString& keyPath, RegRoot root = HKEY_LOCAL_MACHINE);

    // Convenience for the settings code, all under HKEY_LOCAL_MACHINE. Reads answer nullopt
    // when the key or value is missing or of a type other than REG_SZ and REG_DWORD, so a
    // missing key never reads as "-1".
    // A REG_SZ's text, or a REG_DWORD's decimal text.
    std::optional<QString> getString(const QString& keyPath, const QString& valueName) const;
    // A REG_DWORD, or a REG_SZ holding a decimal integer.
    std::optional<qint32> getDword(const QString& keyPath, const QString& valueName) const;
    // Writes, creating the key (opened to every account) when missing; failures are shown
    // as messages.
    bool setString(const QString& keyPath, const QString& valueName, const QString& value);
    bool setDword(const QString& keyPath, const QString& valueName, qint32 value);
    bool keyExists(const QString& keyPath) const;

  private:
    int openForWriting(RegRoot root, const QString& keyPath, bool createIfMissing, RegKey& key);
    void showError(const QString& text) const;
    std::optional<RegValue> readValue(const QString& keyPath, const QString& valueName) const;

    Interaction& ui_;
    KeyStore store_;
};

}  // namespace sentrel::reg
