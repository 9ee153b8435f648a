#pragma once

#include <QHash>

#include "registry/KeyFileSystem.h"

namespace sentrel::srws {

// The key store's files as the service sees them during its one request: each file is
// read and each folder's access checked once, then answered from memory. Reading the
// options reads every value, and the key store otherwise walks, checks and reads the key's
// folder and values file for each of them. Any change goes to the disk and empties the
// memory, so that what follows reads afresh.
class ReadOnceKeyFiles : public reg::KeyFileSystem {
  public:
    int checkAccess(const QString& folder, reg::RegAccess access) const override;
    int readFile(const QString& path, QByteArray& content) const override;
    int makeFolder(const QString& path) override;
    int writeFile(const QString& path, const QByteArray& content) override;
    int setMode(const QString& path, int mode) override;
    int removeFolder(const QString& path) override;

  private:
    int forgetting(int status);

    struct Read {
        int status;
        QByteArray content;
    };
    mutable QHash<QString, Read> files_;
    mutable QHash<QString, int> access_;  // by the rights asked for and the folder
};

}  // namespace sentrel::srws
