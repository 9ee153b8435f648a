#include "registry/reader/FolderName.h"

#include <optional>

#include "registry/reader/PlainText.h"

namespace sentrel::reg {

namespace {

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (asciiLower(c) >= 'a' && asciiLower(c) <= 'f');
}

// The code of the two characters after a "%"; nullopt when they are no code.
std::optional<int> escapedCode(std::string_view pair) {
    if (pair[0] == '-' && isHexDigit(pair[1])) return -int(*parseHexNumber(pair.substr(1)));
    const auto code = parseHexNumber(pair);
    return code ? std::optional<int>(int(*code)) : std::nullopt;
}

}  // namespace

std::string folderNameOfKey(std::string_view keyName) {
    if (keyName == "." || keyName == "..") return keyName == "." ? "%2E" : "%2E%2E";
    std::string folder;
    folder.reserve(keyName.size());
    for (const char c : keyName) {
        if (c == '%') {
            folder += "%25";
        } else if (c == '/') {
            folder += "%2F";
        } else if (c == '\0') {
            folder += "%00";
        } else {
            folder += c;
        }
    }
    return folder;
}

std::string keyNameOfFolder(std::string_view folderName) {
    std::string key;
    key.reserve(folderName.size());
    for (std::size_t i = 0; i < folderName.size(); ++i) {
        const auto code = folderName[i] == '%' && i + 2 < folderName.size()
                              ? escapedCode(folderName.substr(i + 1, 2))
                              : std::nullopt;
        if (code) {
            // A negative code stands for the character of its 16-bit two's complement.
            appendUtf8(key, char32_t(*code & 0xFFFF));
            i += 2;
        } else {
            key += folderName[i];
        }
    }
    return key;
}

}  // namespace sentrel::reg
