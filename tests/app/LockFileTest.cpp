// The document lock as the single-copy rule and the open file rely on it: damaged and
// foreign lock files, documents in folders this account cannot write, the runtime folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>

#include "NobodyAccount.h"
#include "document/Document.h"
#include "document/DocumentLock.h"
#include "document/RuntimeFolder.h"
#include "shell/AppError.h"
#include "support/TempDir.h"
#include "support/ThrownError.h"

namespace sentrel::test {
namespace {

QString savedDocument(const TempDir& dir, const QString& name) {
    doc::Document::create()->save(dir.file(name));
    return dir.file(name);
}

// The id of a process that has ended.
qint64 deadProcessId() {
    QProcess process;
    process.start(QStringLiteral("/bin/true"));
    process.waitForFinished(30000);
    return process.processId() > 0 ? process.processId() : 999999;
}

// Sets (or, with an empty value, removes) an environment variable while it lives.
class EnvironmentValue {
  public:
    EnvironmentValue(const char* name, const QString& value)
        : name_(name), saved_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value.toLocal8Bit());
    }
    ~EnvironmentValue() {
        if (had_)
            qputenv(name_, saved_);
        else
            qunsetenv(name_);
    }

  private:
    const char* name_;
    QByteArray saved_;
    bool had_;
};

// Runs the lock probe as "nobody" and answers what it printed.
QString probeAsNobody(const QStringList& arguments, const QString& runtimeFolder) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
    process.setProcessEnvironment(environment);
    process.start(
        nobody::kCommand.first(),
        nobody::kCommand.mid(1) + QStringList{QStringLiteral(SENTREL_LOCK_PROBE)} + arguments);
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// A lock file that names no process (a crash while it was written, a full disk) blocked
// every later bind; it is taken over. One that names a process that is not running any
// more, under this machine's id but an older host name, is stale as well.
TEST(LockFile, DamagedAndStaleLockFilesAreTakenOver) {
    TempDir dir;
    const QString path = savedDocument(dir, QStringLiteral("a.bdf"));
    for (const QByteArray& damaged : {QByteArray(), QByteArray("\n"), QByteArray("x7\nprog\n"),
                                      QByteArray("\x01\x02\x03", 3)}) {
        dir.write(QStringLiteral("a.bdf.lock"), damaged);
        auto document = doc::Document::bind(path);
        EXPECT_TRUE(document->isLocked()) << damaged.toHex().constData();
        EXPECT_TRUE(TempDir::read(path + ".lock")
                        .startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
    }

    dir.write(QStringLiteral("a.bdf.lock"), QByteArray::number(deadProcessId()) +
                                                "\nsentrel-editor\nold-name\n" +
                                                QSysInfo::machineUniqueId() + "\n\n");
    EXPECT_EQ(errorOf([&] { doc::Document::bind(path); }), 0);
}

// A lock held on another host cannot be judged from here: the bind is refused with the
// host, the process and the lock file named, and the lock file is left alone.
TEST(LockFile, ALockOfAnotherHostNamesHostProcessAndLockFile) {
    TempDir dir;
    const QString path = savedDocument(dir, QStringLiteral("b.bdf"));
    const QByteArray foreign = "4242\nsentrel-editor\nbuild7\n";
    dir.write(QStringLiteral("b.bdf.lock"), foreign);
    const AppError error = failureOf([&] { doc::Document::bind(path); });
    EXPECT_EQ(error.number(), 1060);
    EXPECT_EQ(error.description(),
              "The document \"" + path +
                  "\" is locked by process 4242 (sentrel-editor) on the host \"build7\"; its "
                  "lock file is \"" +
                  path + ".lock\".");
    EXPECT_EQ(TempDir::read(path + ".lock"), foreign);
}

// A running holder on this host is named too, and keeps its lock.
TEST(LockFile, ARunningHolderIsNamed) {
    TempDir dir;
    const QString path = savedDocument(dir, QStringLiteral("c.bdf"));
    auto held = doc::Document::bind(path);
    const AppError error = failureOf([&] { doc::Document::bind(path); });
    EXPECT_EQ(error.number(), doc::kErrDocumentHeld);
    EXPECT_EQ(error.description(),
              QStringLiteral("The document \"%1\" is in use by this or another program (process "
                             "%2, lock file \"%1.lock\").")
                  .arg(path)
                  .arg(QCoreApplication::applicationPid()));
}

// A document in a folder the account can only read is bound with its lock in the account's
// runtime folder, keyed by its canonical path, so it can be opened; a second bind by the same
// account is still refused, and saving it fails as any failed save does.
TEST(LockFile, ADocumentInAReadOnlyFolderIsLockedInTheRuntimeFolder) {
    if (!nobody::available()) GTEST_SKIP() << "needs root and setpriv";
    TempDir defs, runtime;  // defs: owned by root, readable by every account
    ASSERT_TRUE(QFile::setPermissions(defs.path(), QFileDevice::Permissions(0x7755)));
    const QString path = savedDocument(defs, QStringLiteral("main.bdf"));
    ASSERT_TRUE(nobody::give(runtime.path()));

    const QByteArray before = TempDir::read(path);
    EXPECT_TRUE(probeAsNobody({path, QStringLiteral("save"), path}, runtime.path())
                    .startsWith(QStringLiteral("bound\nerror ")));
    EXPECT_EQ(TempDir::read(path), before);
    EXPECT_FALSE(QFile::exists(path + ".lock"));

    QProcess holder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    holder.setProcessEnvironment(environment);
    holder.start(
        nobody::kCommand.first(),
        nobody::kCommand.mid(1) + QStringList{SENTREL_LOCK_PROBE, path, QStringLiteral("hold")});
    ASSERT_TRUE(holder.waitForReadyRead(30000));
    EXPECT_EQ(holder.readLine().trimmed(), "bound");
    const QStringList locks = QDir(runtime.file(QStringLiteral("sentrel")))
                                  .entryList({QStringLiteral("main.bdf-*.lock")}, QDir::Files);
    ASSERT_EQ(locks.size(), 1);
    EXPECT_EQ(locks[0].size(), QStringLiteral("main.bdf-0123456789abcdef.lock").size());
    EXPECT_EQ(probeAsNobody({defs.path() + "/../" + QDir(defs.path()).dirName() + "/main.bdf"},
                            runtime.path()),
              QStringLiteral("error 1050"));
    holder.closeWriteChannel();
    holder.waitForFinished(30000);
    EXPECT_EQ(probeAsNobody({path}, runtime.path()), "bound");
}

// A lock file this account cannot read: its own is taken over (it cannot be a live lock of
// this account's), another account's is reported as held by that account.
TEST(LockFile, UnreadableLockFilesByOwner) {
    if (!nobody::available()) GTEST_SKIP() << "needs root and setpriv";
    TempDir dir, runtime;
    ASSERT_TRUE(nobody::give(dir.path()));
    ASSERT_TRUE(nobody::give(runtime.path()));
    const QString path = savedDocument(dir, QStringLiteral("u.bdf"));
    const QString lock = dir.write(QStringLiteral("u.bdf.lock"), "1\nx\ny\n");
    ASSERT_TRUE(QFile::setPermissions(lock, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    EXPECT_EQ(probeAsNobody({path}, runtime.path()), "error 1060");

    ASSERT_TRUE(nobody::give(lock));
    ASSERT_TRUE(QFile::setPermissions(lock, QFileDevice::Permissions()));
    EXPECT_EQ(probeAsNobody({path}, runtime.path()), "bound");
}

// Without XDG_RUNTIME_DIR the runtime folder is a private folder in the temporary folder,
// made for this account alone; one of that name that belongs to another account is refused.
TEST(LockFile, RuntimeFolderFallsBackToAPrivateTemporaryFolder) {
    TempDir temporary;
    const EnvironmentValue noRuntime("XDG_RUNTIME_DIR", QString());
    const EnvironmentValue tmp("TMPDIR", temporary.path());
    const QString expected = temporary.file("sentrel-" + QString::number(::geteuid()));

    EXPECT_EQ(doc::runtimeFolder(), expected);
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(expected).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);

    ASSERT_EQ(::chmod(QFile::encodeName(expected).constData(), 0755), 0);
    EXPECT_EQ(doc::runtimeFolder(), expected);
    ASSERT_EQ(::stat(QFile::encodeName(expected).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);

    if (::geteuid() != 0) return;
    ASSERT_TRUE(nobody::give(expected));
    const AppError error = failureOf([] { doc::runtimeFolder(); });
    EXPECT_EQ(error.number(), 70);
    EXPECT_EQ(error.description(), "The runtime folder \"" + expected +
                                       "\" can not be used: it belongs to another account.");
}

}  // namespace
}  // namespace sentrel::test
