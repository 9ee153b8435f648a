#pragma once

#include <string>
#include <string_view>

namespace sentrel::reg {

// Key names as folder names, on UTF-8 bytes. A key name may hold any character but "\"; in a
// folder name "%" and "/" (and NUL) are written as %25, %2F and %00, and the names "." and
// ".." with their dots as %2E, so no key name can reach outside its parent's folder.
std::string folderNameOfKey(std::string_view keyName);
// Reads every "%" and two hexadecimal digits back as the character of that code (U+0000 to
// U+00FF). The two characters are read as the key store always read them: a blank in front,
// a blank or NUL behind and a sign in front of one digit are allowed ("%-1" is U+FFFF).
std::string keyNameOfFolder(std::string_view folderName);

}  // namespace sentrel::reg
