#pragma once

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <ostream>

#include "registry/KeyFileSystem.h"
#include "support/TempDir.h"

// Readable failure output for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << '"' << bytes.toStdString() << '"';
}

namespace sentrel::test {

// Each test gets its own store root through $SENTREL_REGISTRY.
class RegistryFixture : public ::testing::Test {
  protected:
    RegistryFixture() { qputenv("SENTREL_REGISTRY", dir.path().toUtf8()); }
    ~RegistryFixture() override { qunsetenv("SENTREL_REGISTRY"); }

    // The folder of a key under HKEY_LOCAL_MACHINE, as spelt on disk ("/" between levels).
    QString keyFolder(const QString& levels) const {
        return dir.path() + QStringLiteral("/HKEY_LOCAL_MACHINE/") + levels;
    }
    QByteArray valuesOf(const QString& levels) const {
        return TempDir::read(keyFolder(levels) + QStringLiteral("/values.reg"));
    }
    // The mode bits (0775, ...), -1 when the path does not exist.
    static int modeOf(const QString& path) {
        struct stat info {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777)
                                                                       : -1;
    }

    TempDir dir;
};

// Real file operations, except the steps a test makes fail.
class FailingFileSystem : public reg::KeyFileSystem {
  public:
    std::function<int(const QString& folder, reg::RegAccess access)> onAccess;
    int writeStatus = 0;

    int checkAccess(const QString& folder, reg::RegAccess access) const override {
        const int status = onAccess ? onAccess(folder, access) : 0;
        return status ? status : KeyFileSystem::checkAccess(folder, access);
    }
    int writeFile(const QString& path, const QByteArray& content) override {
        return writeStatus ? writeStatus : KeyFileSystem::writeFile(path, content);
    }
};

}  // namespace sentrel::test
