#include "registry/mdlRegistry.h"

#include <QtEndian>

#include "registry/Utf8Text.h"
#include "registry/reader/ValueBytes.h"
#include "shell/Product.h"

namespace sentrel::reg {

namespace {

const QString kErrorTitle = QStringLiteral("Registry error");

QString errorText(int status, const QString& what) {
    return QStringLiteral("Error #") + QString::number(status) + what + product::kSupportEmail;
}

}  // namespace

mdlRegistry::mdlRegistry(Interaction& ui) : mdlRegistry(ui, KeyStore()) {}

mdlRegistry::mdlRegistry(Interaction& ui, KeyStore store) : ui_(ui), store_(std::move(store)) {}

void mdlRegistry::showError(const QString& text) const {
    ui_.message(text, kErrorTitle, MsgIcon::Critical, MsgButtons::OK);
}

RegValue mdlRegistry::GetKeyValue(RegRoot root, const QString& keyPath,
                                  const QString& valueName) const {
    RegKey key;
    if (store_.openKey(root, keyPath, kAccessReadValue, key) != ERROR_SUCCESS) {
        return RegValue(QStringLiteral("-1"));
    }
    RegValue value;
    QueryValueEx(key, valueName, value);
    return value;
}

int mdlRegistry::QueryValueEx(const RegKey& key, const QString& valueName, RegValue& value) const {
    value = RegValue();
    RegData data;
    const int status = store_.queryValue(key, valueName, data);
    if (status != ERROR_SUCCESS) return status;
    if (data.type == REG_SZ) {
        value = RegValue(textOfUtf8(textOfStringBytes(bytesView(data.data))));
    } else if (data.type == REG_DWORD) {
        const auto number = numberOfDwordBytes(bytesView(data.data));
        if (!number) return ERROR_INVALID_DATA;
        value = RegValue(*number);
    } else {
        return kStatusUnsupportedType;
    }
    return ERROR_SUCCESS;
}

int mdlRegistry::SetValueEx(const RegKey& key, const QString& valueName, RegType type,
                            const RegValue& value) {
    RegData data{type, {}};
    if (type == REG_DWORD) {
        const auto number = value.toInt();
        if (!number) return ERROR_INVALID_PARAMETER;
        data.data.resize(4);
        qToLittleEndian<qint32>(*number, data.data.data());
    } else {
        data.data = stringBytes(value.toString());
    }
    return store_.setValue(key, valueName, data);
}

int mdlRegistry::openForWriting(RegRoot root, const QString& keyPath, bool createIfMissing,
                                RegKey& key) {
    int status = store_.openKey(root, keyPath, kAccessWriteValue, key);
    if (status == ERROR_SUCCESS) return status;
    if (!createIfMissing) {
        showError(errorText(status, QStringLiteral(" trying to open key ") + keyPath +
                                        QStringLiteral(" for updating.  Please notify ")));
        return status;
    }
    status = CreateNewKey(root, keyPath);
    if (status != ERROR_SUCCESS) {
        showError(errorText(status, QStringLiteral(" trying to auto create key ") + keyPath +
                                        QStringLiteral(". Please notify ")));
        return status;
    }
    OpenKeyToEveryone(keyPath, root);
    status = store_.openKey(root, keyPath, kAccessWriteValue, key);
    if (status != ERROR_SUCCESS) {
        showError(errorText(status, QStringLiteral(" trying to open key ") + keyPath +
                                        QStringLiteral(" after creating it. Please notify ")));
    }
    return status;
}

bool mdlRegistry::SetKeyValue(RegRoot root, const QString& keyPath, const QString& valueName,
                              const RegValue& value, RegType type, bool createIfMissing) {
    RegKey key;
    if (openForWriting(root, keyPath, createIfMissing, key) != ERROR_SUCCESS) return false;
    // A value that could not be written (full disk, refused file) is reported like the
    // other failed writes instead of being lost without a word.
    const int status = SetValueEx(key, valueName, type, value);
    if (status != ERROR_SUCCESS) {
        showError(errorText(status, QStringLiteral(" trying to write value ") + valueName +
                                        QStringLiteral(" of key ") + keyPath +
                                        QStringLiteral(".  Please notify ")));
    }
    return status == ERROR_SUCCESS;
}

int mdlRegistry::CreateNewKey(RegRoot root, const QString& keyPath) {
    RegKey key;
    return store_.createKey(root, keyPath, kAccessWriteValue, key);
}

void mdlRegistry::DeleteKey(RegRoot root, const QString& keyPath) {
    store_.deleteKey(root, keyPath);
}

bool mdlRegistry::GrantEveryoneFullAccess(const RegKey& key) {
    return store_.grantEveryoneFullAccess(key) == ERROR_SUCCESS;
}

bool mdlRegistry::OpenKeyToEveryone(const QString& keyPath, RegRoot root) {
    RegKey key;
    if (store_.openKey(root, keyPath, kAccessWriteDac, key) != ERROR_SUCCESS) return false;
    return GrantEveryoneFullAccess(key);
}

std::optional<RegValue> mdlRegistry::readValue(const QString& keyPath,
                                               const QString& valueName) const {
    RegKey key;
    RegValue value;
    if (store_.openKey(HKEY_LOCAL_MACHINE, keyPath, kAccessReadValue, key) != ERROR_SUCCESS ||
        QueryValueEx(key, valueName, value) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

std::optional<QString> mdlRegistry::getString(const QString& keyPath,
                                              const QString& valueName) const {
    const auto value = readValue(keyPath, valueName);
    return value ? std::optional<QString>(value->toString()) : std::nullopt;
}

std::optional<qint32> mdlRegistry::getDword(const QString& keyPath,
                                            const QString& valueName) const {
    const auto value = readValue(keyPath, valueName);
    return value ? value->toInt() : std::nullopt;
}

bool mdlRegistry::setString(const QString& keyPath, const QString& valueName,
                            const QString& value) {
    return SetKeyValue(HKEY_LOCAL_MACHINE, keyPath, valueName, RegValue(value), REG_SZ, true);
}

bool mdlRegistry::setDword(const QString& keyPath, const QString& valueName, qint32 value) {
    return SetKeyValue(HKEY_LOCAL_MACHINE, keyPath, valueName, RegValue(value), REG_DWORD, true);
}

bool mdlRegistry::keyExists(const QString& keyPath) const {
    RegKey key;
    return store_.openKey(HKEY_LOCAL_MACHINE, keyPath, kAccessReadValue, key) == ERROR_SUCCESS;
}

}  // namespace sentrel::reg
