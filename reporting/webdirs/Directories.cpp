#include "reporting/webdirs/Directories.h"

#include "reporting/webdirs/Directory.h"

namespace sentrel::webdirs {

void Directories::FillNode(WebDirNode& parent) const {
    for (const auto& directory : *this) directory->FillNode(parent);
}

}  // namespace sentrel::webdirs
