#include <gtest/gtest.h>

#include <unistd.h>
#include <QDir>
#include <QProcess>

#include "RegistryFixture.h"
#include "registry/KeyPaths.h"
#include "registry/KeyStore.h"

using namespace sentrel::reg;

namespace {

const RegData kText{REG_SZ, "old"};

class KeyStoreTest : public sentrel::test::RegistryFixture {
  protected:
    RegKey create(const QString& path) {
        RegKey key;
        EXPECT_EQ(store.createKey(HKEY_LOCAL_MACHINE, path, kAccessWriteValue, key), 0);
        return key;
    }
    int open(const QString& path, RegAccess access = kAccessReadValue) {
        RegKey key;
        return store.openKey(HKEY_LOCAL_MACHINE, path, access, key);
    }
    RegData read(const RegKey& key, const QString& name) {
        RegData value;
        EXPECT_EQ(store.queryValue(key, name, value), 0) << name.toStdString();
        return value;
    }
    // Runs the worker program and answers its output; fails the test if it did not finish.
    static QString runWorker(const QStringList& arguments) {
        QProcess worker;
        worker.start(QStringLiteral(REGISTRY_WORKER), arguments);
        EXPECT_TRUE(worker.waitForFinished(60000));
        return QString::fromUtf8(worker.readAllStandardOutput()).trimmed();
    }

    KeyStore store;
};

}  // namespace

TEST_F(KeyStoreTest, KeysAndValueNamesIgnoreCaseAndKeepTheirFirstSpelling) {
    const RegKey key = create(kOptionsKey);
    EXPECT_EQ(store.rootFolder(), dir.path());
    EXPECT_TRUE(QFileInfo(keyFolder("SOFTWARE/Norvane/Browser Editor/1.0/options")).isDir());
    EXPECT_EQ(open("software\\NORVANE\\browser editor\\1.0\\OPTIONS"), 0);
    EXPECT_EQ(store.setValue(key, "LoggingEnabled", kText), 0);
    RegKey upper = create("SOFTWARE\\NORVANE\\BROWSER EDITOR\\1.0\\Options");
    EXPECT_EQ(store.setValue(upper, "LOGGINGENABLED", {REG_SZ, "new"}), 0);
    EXPECT_EQ(read(key, "loggingenabled"), (RegData{REG_SZ, "new"}));
    EXPECT_EQ(QDir(keyFolder("SOFTWARE")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"Norvane"});
    EXPECT_EQ(valuesOf("SOFTWARE/Norvane/Browser Editor/1.0/options"),
              "\"LoggingEnabled\"=\"new\"\n");
    EXPECT_EQ(open("SOFTWARE\\Norvane\\Browser Editor\\2.0"), ERROR_FILE_NOT_FOUND);
}

TEST_F(KeyStoreTest, KeyNamesCannotReachOutsideTheStore) {
    const RegKey key = create("SOFTWARE\\..\\..\\..\\escape\\a/b\\100%");
    EXPECT_EQ(store.setValue(key, "v", kText), 0);
    EXPECT_TRUE(QFileInfo(keyFolder("SOFTWARE/%2E%2E/%2E%2E/%2E%2E/escape/a%2Fb/100%25")).isDir());
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/../escape"));
    RegKey parent;
    ASSERT_EQ(store.openKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\..\\..\\..\\escape",
                            KEY_ENUMERATE_SUB_KEYS, parent),
              0);
    QStringList names;
    EXPECT_EQ(store.subKeyNames(parent, names), 0);
    EXPECT_EQ(names, QStringList{"a/b"});
    EXPECT_EQ(open("SOFTWARE", kAccessReadValue), 0);
    EXPECT_EQ(store.openKey(0x12345, "SOFTWARE", kAccessReadValue, parent), ERROR_INVALID_HANDLE);
}

TEST_F(KeyStoreTest, DeletesOnlyKeysWithoutSubKeys) {
    const RegKey key = create(kOptionsKey);
    EXPECT_EQ(store.setValue(key, "a", kText), 0);
    EXPECT_EQ(store.deleteKey(HKEY_LOCAL_MACHINE, kProductKey), ERROR_ACCESS_DENIED);
    EXPECT_EQ(store.deleteKey(HKEY_LOCAL_MACHINE, ""), ERROR_ACCESS_DENIED);
    EXPECT_EQ(store.deleteKey(HKEY_LOCAL_MACHINE, kOptionsKey.toUpper()), 0);
    EXPECT_EQ(open(kOptionsKey), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(open(kProductKey), 0);
    EXPECT_EQ(store.deleteKey(HKEY_LOCAL_MACHINE, kOptionsKey), ERROR_FILE_NOT_FOUND);
}

TEST_F(KeyStoreTest, TwoProcessesWritingOneKeyLoseNoValue) {
    const RegKey key = create(kOptionsKey);
    const int count = 60;
    QProcess first, second;
    for (auto [worker, prefix] : {std::pair{&first, "first"}, std::pair{&second, "second"}}) {
        worker->start(QStringLiteral(REGISTRY_WORKER),
                      {"write", kOptionsKey, prefix, QString::number(count)});
    }
    for (QProcess* worker : {&first, &second}) {
        ASSERT_TRUE(worker->waitForFinished(120000));
        EXPECT_EQ(worker->exitCode(), 0) << worker->readAllStandardOutput().constData();
    }
    QStringList names;
    ASSERT_EQ(store.valueNames(key, names), 0);
    EXPECT_EQ(names.size(), 2 * count);
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(read(key, QString("first%1").arg(i)).data, QByteArray::number(i));
        EXPECT_EQ(read(key, QString("second%1").arg(i)).data, QByteArray::number(i));
    }
}

TEST_F(KeyStoreTest, RealPermissionsAndFileSizeLimitsRefuseWritesCleanly) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another account";
    // Let another account reach the store, then open the key the way set-up does.
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const RegKey key = create(kOptionsKey);
    ASSERT_EQ(store.setValue(key, "a", kText), 0);
    RegKey dac;
    ASSERT_EQ(store.openKey(HKEY_LOCAL_MACHINE, kOptionsKey, kAccessWriteDac, dac), 0);
    ASSERT_EQ(store.grantEveryoneFullAccess(dac), 0);
    EXPECT_EQ(modeOf(key.folder()), 0775);
    EXPECT_EQ(modeOf(key.folder() + "/values.reg"), 0664);

    // Every account may read the key; one outside the owner's group may not change it.
    EXPECT_EQ(runWorker({"as-nobody", kOptionsKey}), "read=0 write=5 dac=5");
    EXPECT_EQ(runWorker({"size-limited", kOptionsKey, "4096"}), "write=112");
    EXPECT_EQ(read(key, "a"), kText);
    EXPECT_EQ(modeOf(key.folder() + "/values.reg"), 0664);
    EXPECT_EQ(QDir(key.folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"values.reg"});
}

// The store an installed program finds: $SENTREL_REGISTRY, else the machine-wide store when
// the package made it, else the user's own.
TEST_F(KeyStoreTest, RootFolderIsTheExplicitThenTheMachineWideThenThePersonalStore) {
    sentrel::test::TempDir config;
    const QString machine = dir.path() + "/etc/sentrel/registry";
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    EXPECT_EQ(KeyStore::defaultRootFolder(machine), dir.path());

    qunsetenv("SENTREL_REGISTRY");
    EXPECT_EQ(KeyStore::defaultRootFolder(machine), config.path() + "/sentrel/registry");
    ASSERT_TRUE(QDir().mkpath(machine));
    EXPECT_EQ(KeyStore::defaultRootFolder(machine), machine);
    qunsetenv("XDG_CONFIG_HOME");
}

// In the machine-wide store (setgid folders writable by the group "sentrel") a key that one
// member creates stays writable by the others, whatever that member's umask.
TEST_F(KeyStoreTest, KeysCreatedInASharedStoreStayWritableByItsGroup) {
    const auto fullMode = [](const QString& path) {
        struct stat info {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777)
                                                                       : -1;
    };
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 02775), 0);
    const mode_t oldMask = ::umask(022);
    const RegKey key = create(kOptionsKey);
    ASSERT_EQ(store.setValue(key, "a", kText), 0);
    ::umask(oldMask);

    EXPECT_EQ(fullMode(dir.path() + "/HKEY_LOCAL_MACHINE"), 02775);
    EXPECT_EQ(fullMode(key.folder()), 02775);
    EXPECT_EQ(fullMode(key.folder() + "/values.reg"), 0664);

    // A personal store keeps folders that only their owner writes.
    sentrel::test::TempDir personal;
    ASSERT_EQ(::chmod(QFile::encodeName(personal.path()).constData(), 0700), 0);
    KeyStore own(personal.path());
    RegKey ownKey;
    ASSERT_EQ(own.createKey(HKEY_LOCAL_MACHINE, kOptionsKey, kAccessWriteValue, ownKey), 0);
    EXPECT_EQ(fullMode(ownKey.folder()) & 07022, 0);
}
