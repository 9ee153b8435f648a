#pragma once

#include <QString>

#include "registry/RegistryConstants.h"

namespace sentrel::reg {

// An open key: where its folder is and what the opener may do with it. Nothing is held
// open on the system, so closing is just letting the object go; `close()` forgets the key.
class RegKey {
  public:
    RegKey() = default;
    RegKey(QString folder, QString path, RegAccess access)
        : folder_(std::move(folder)), path_(std::move(path)), access_(access) {}

    bool isOpen() const { return !folder_.isEmpty(); }
    bool allows(RegAccess rights) const { return (access_ & rights) == rights; }
    void close() { *this = RegKey(); }

    // The key's folder in the store, and the key path it was opened by.
    const QString& folder() const { return folder_; }
    const QString& path() const { return path_; }
    RegAccess access() const { return access_; }

  private:
    QString folder_;
    QString path_;
    RegAccess access_ = 0;
};

}  // namespace sentrel::reg
