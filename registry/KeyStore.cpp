#include "registry/KeyStore.h"

#include <QDir>
#include <QFileInfo>

#include "registry/KeyFolderName.h"
#include "registry/KeyLock.h"
#include "registry/Utf8Text.h"
#include "registry/ValuesFile.h"
#include "registry/reader/StorePaths.h"

namespace sentrel::reg {

namespace {

const QString kValuesFileName = QStringLiteral("values.reg");

QString rootKeyName(RegRoot root) {
    switch (root) {
        case HKEY_CLASSES_ROOT:
            return QStringLiteral("HKEY_CLASSES_ROOT");
        case HKEY_CURRENT_USER:
            return QStringLiteral("HKEY_CURRENT_USER");
        case HKEY_LOCAL_MACHINE:
            return QStringLiteral("HKEY_LOCAL_MACHINE");
        case HKEY_USERS:
            return QStringLiteral("HKEY_USERS");
        default:
            return QString();
    }
}

QStringList levelsOf(const QString& path) {
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

QString valuesPath(const QString& folder) {
    return folder + QLatin1Char('/') + kValuesFileName;
}

QStringList subFolders(const QString& folder) {
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// Key names are compared without regard to the case of any letter.
bool sameKeyName(std::string_view onDisk, std::string_view wanted) {
    return textOfUtf8(onDisk).compare(textOfUtf8(wanted), Qt::CaseInsensitive) == 0;
}

// The sub-folder of `parent` that holds the key `name`; empty when there is none.
QString childFolder(const QString& parent, const QString& name) {
    return textOfUtf8(childKeyFolder(utf8OfText(parent), utf8OfText(name), sameKeyName));
}

bool isWritableName(const QString& name) {
    return !name.contains(QLatin1Char('\n')) && !name.contains(QLatin1Char('\r'));
}

}  // namespace

KeyStore::KeyStore() : KeyStore(defaultRootFolder()) {}

KeyStore::KeyStore(QString rootFolder, std::shared_ptr<KeyFileSystem> files)
    : root_(textOfUtf8(absoluteCleanPath(utf8OfText(rootFolder)))),
      files_(files ? std::move(files) : std::make_shared<KeyFileSystem>()) {}

QString KeyStore::defaultRootFolder(const QString& machineFolder) {
    return textOfUtf8(defaultStoreRoot(utf8OfText(machineFolder)));
}

int KeyStore::findKeyFolder(RegRoot root, const QString& path, QString& folder) const {
    const QString rootName = rootKeyName(root);
    if (rootName.isEmpty()) return ERROR_INVALID_HANDLE;
    std::string found;
    const int status = reg::findKeyFolder(utf8OfText(root_ + QLatin1Char('/') + rootName),
                                          utf8OfText(path), sameKeyName, found);
    folder = textOfUtf8(found);
    return status;
}

int KeyStore::openFolder(const QString& folder, const QString& path, RegAccess access,
                         RegKey& key) const {
    const int status = files_->checkAccess(folder, access);
    if (status == ERROR_SUCCESS) key = RegKey(folder, path, access);
    return status;
}

int KeyStore::openKey(RegRoot root, const QString& path, RegAccess access, RegKey& key) const {
    key.close();
    QString folder;
    const int status = findKeyFolder(root, path, folder);
    return status == ERROR_SUCCESS ? openFolder(folder, path, access, key) : status;
}

// Creates the folders from the store's root down to `folder` that are missing.
int KeyStore::makeFolderPath(const QString& folder) {
    if (QFileInfo(folder).isDir()) return ERROR_SUCCESS;
    const QString parent = QFileInfo(folder).absolutePath();
    if (parent == folder) return ERROR_FILE_NOT_FOUND;
    const int status = makeFolderPath(parent);
    return status == ERROR_SUCCESS ? files_->makeFolder(folder) : status;
}

// Creates the key `name` under the key folder `parent` unless another writer has just
// created it under any spelling; the parent's lock keeps two creators from making two
// spellings of one key.
int KeyStore::createLevel(const QString& parent, const QString& name, QString& folder) {
    int status = files_->checkAccess(parent, KEY_CREATE_SUB_KEY);
    KeyLock lock(parent);
    if (status == ERROR_SUCCESS) status = lock.acquire();
    if (status != ERROR_SUCCESS) return status;
    folder = childFolder(parent, name);
    if (!folder.isEmpty()) return ERROR_SUCCESS;
    folder = parent + QLatin1Char('/') + folderNameOfKey(name);
    return files_->makeFolder(folder);
}

int KeyStore::createKey(RegRoot root, const QString& path, RegAccess access, RegKey& key) {
    key.close();
    const QString rootName = rootKeyName(root);
    if (rootName.isEmpty()) return ERROR_INVALID_HANDLE;
    QString folder = root_ + QLatin1Char('/') + rootName;
    int status = makeFolderPath(folder);
    for (const QString& level : levelsOf(path)) {
        if (status != ERROR_SUCCESS) return status;
        QString child = childFolder(folder, level);
        if (child.isEmpty()) status = createLevel(folder, level, child);
        folder = child;
    }
    return status == ERROR_SUCCESS ? openFolder(folder, path, access, key) : status;
}

int KeyStore::deleteKey(RegRoot root, const QString& path) {
    if (levelsOf(path).isEmpty()) return ERROR_ACCESS_DENIED;
    QString folder;
    int status = findKeyFolder(root, path, folder);
    if (status != ERROR_SUCCESS) return status;
    if (!subFolders(folder).isEmpty()) return ERROR_ACCESS_DENIED;
    status = files_->checkAccess(QFileInfo(folder).absolutePath(), KEY_CREATE_SUB_KEY);
    return status == ERROR_SUCCESS ? files_->removeFolder(folder) : status;
}

int KeyStore::usableKey(const RegKey& key, RegAccess rights) const {
    if (!key.isOpen()) return ERROR_INVALID_HANDLE;
    if (!key.allows(rights)) return ERROR_ACCESS_DENIED;
    return QFileInfo(key.folder()).isDir() ? ERROR_SUCCESS : ERROR_KEY_DELETED;
}

int KeyStore::readValues(const QString& folder, ValuesFile& values) const {
    QByteArray content;
    const int status = files_->readFile(valuesPath(folder), content);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) return status;
    values = ValuesFile::parse(content);
    return ERROR_SUCCESS;
}

int KeyStore::queryValue(const RegKey& key, const QString& name, RegData& value) const {
    ValuesFile values;
    int status = usableKey(key, KEY_QUERY_VALUE);
    if (status == ERROR_SUCCESS) status = readValues(key.folder(), values);
    if (status != ERROR_SUCCESS) return status;
    const RegData* found = values.find(name);
    if (!found) return ERROR_FILE_NOT_FOUND;
    value = *found;
    return ERROR_SUCCESS;
}

// Reads the key's values, lets `change` alter them and writes them back whole, all under
// the key's lock. `change` answers a status; anything but success writes nothing.
int KeyStore::updateValues(const RegKey& key, const std::function<int(ValuesFile&)>& change) {
    int status = usableKey(key, KEY_SET_VALUE);
    if (status != ERROR_SUCCESS) return status;
    KeyLock lock(key.folder());
    ValuesFile values;
    status = lock.acquire();
    if (status == ERROR_SUCCESS) status = readValues(key.folder(), values);
    if (status == ERROR_SUCCESS) status = change(values);
    if (status == ERROR_SUCCESS)
        status = files_->writeFile(valuesPath(key.folder()), values.serialize());
    return status;
}

int KeyStore::setValue(const RegKey& key, const QString& name, const RegData& value) {
    if (!isWritableName(name)) return ERROR_INVALID_PARAMETER;
    return updateValues(key, [&](ValuesFile& values) {
        values.set(name, value);
        return ERROR_SUCCESS;
    });
}

int KeyStore::deleteValue(const RegKey& key, const QString& name) {
    return updateValues(key, [&](ValuesFile& values) {
        return values.remove(name) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });
}

int KeyStore::valueNames(const RegKey& key, QStringList& names) const {
    ValuesFile values;
    int status = usableKey(key, KEY_QUERY_VALUE);
    if (status == ERROR_SUCCESS) status = readValues(key.folder(), values);
    if (status == ERROR_SUCCESS) names = values.names();
    return status;
}

int KeyStore::subKeyNames(const RegKey& key, QStringList& names) const {
    const int status = usableKey(key, KEY_ENUMERATE_SUB_KEYS);
    if (status != ERROR_SUCCESS) return status;
    names.clear();
    for (const QString& folder : subFolders(key.folder())) names << keyNameOfFolder(folder);
    return ERROR_SUCCESS;
}

int KeyStore::grantEveryoneFullAccess(const RegKey& key) {
    int status = usableKey(key, WRITE_DAC);
    if (status == ERROR_SUCCESS) status = files_->setMode(key.folder(), 0775);
    const QString file = valuesPath(key.folder());
    if (status == ERROR_SUCCESS && QFileInfo::exists(file)) status = files_->setMode(file, 0664);
    return status;
}

}  // namespace sentrel::reg
