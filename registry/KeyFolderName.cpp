#include "registry/KeyFolderName.h"

#include "registry/Utf8Text.h"
#include "registry/reader/FolderName.h"

namespace sentrel::reg {

QString folderNameOfKey(const QString& keyName) {
    return textOfUtf8(folderNameOfKey(std::string_view(utf8OfText(keyName))));
}

QString keyNameOfFolder(const QString& folderName) {
    return textOfUtf8(keyNameOfFolder(std::string_view(utf8OfText(folderName))));
}

}  // namespace sentrel::reg
