#pragma once

#include "reporting/webdirs/NamedCollection.h"
#include "reporting/webdirs/WebDirNode.h"

namespace sentrel::webdirs {

class Directory;

// The virtual directories of a site or of a directory, keyed by name.
class Directories : public NamedCollection<Directory> {
  public:
    // Adds every directory of the collection, with its descendants, under `parent`.
    void FillNode(WebDirNode& parent) const;
};

}  // namespace sentrel::webdirs
