#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>

#include "document/Document.h"
#include "shell/AppError.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"
#include "support/ThrownError.h"

using namespace sentrel;
using namespace sentrel::doc;
using sentrel::test::errorOf;
using sentrel::test::FileSizeLimit;
using sentrel::test::TempDir;

namespace {

// Runs the probe program on `path` to completion and answers what it printed.
QString probe(const QString& path, const QStringList& prefix = {}, const QStringList& more = {}) {
    QProcess process;
    const QStringList command = prefix + QStringList{SENTREL_LOCK_PROBE, path} + more;
    process.start(command.first(), command.mid(1));
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString savedDocument(const TempDir& dir, const QString& name, const QString& description) {
    auto document = Document::create();
    document->DefaultBrowser().AddParameter("i__description", "String");
    document->DefaultBrowser().SetParamDefValue("i__description", description);
    document->save(dir.file(name));
    return dir.file(name);
}

}  // namespace

TEST(DocumentLock, ASecondBindInThisProcessFailsUntilReleased) {
    TempDir dir;
    const QString path = savedDocument(dir, "a.bdf", "first");
    auto first = Document::bind(path);
    EXPECT_TRUE(first->isLocked());
    EXPECT_TRUE(QFile::exists(path + ".lock"));
    EXPECT_EQ(errorOf([&] { Document::bind(path); }), kErrDocumentHeld);
    EXPECT_EQ(Document::load(path)->PathValue("defaultbrowser.i__description"), "first");

    first->DefaultBrowser().SetParamDefValue("i__description", "changed");
    first->save();  // the holder keeps working
    first->RevokeFromROT(true);
    EXPECT_FALSE(first->isLocked());
    auto second = Document::bind(path);
    EXPECT_EQ(second->PathValue("DefaultBrowser.i__description"), "changed");
    second.reset();  // releasing the document releases its lock too
    EXPECT_EQ(errorOf([&] { Document::bind(path); }), 0);
}

TEST(DocumentLock, AnotherProcessCannotBindWhileHeldAndCanAfterwards) {
    TempDir dir;
    const QString path = savedDocument(dir, "b.bdf", "shared");
    auto held = Document::bind(path);
    EXPECT_EQ(probe(path), QStringLiteral("error %1").arg(kErrDocumentHeld));
    held->save();
    EXPECT_EQ(held->PathValue("DefaultBrowser.i__description"), "shared");
    held->RevokeFromROT(true);
    EXPECT_EQ(probe(path), "bound");
    EXPECT_EQ(probe(dir.file("missing.bdf")), "error 432");
}

TEST(DocumentLock, TheLockOfADeadProcessIsStale) {
    TempDir dir;
    const QString path = savedDocument(dir, "c.bdf", "x");
    QProcess holder;
    holder.start(SENTREL_LOCK_PROBE, {path, "hold"});
    ASSERT_TRUE(holder.waitForReadyRead(30000));
    ASSERT_EQ(holder.readLine().trimmed(), "bound");
    EXPECT_EQ(errorOf([&] { Document::bind(path); }), kErrDocumentHeld);
    holder.kill();  // dies without releasing its lock
    holder.waitForFinished(30000);
    ASSERT_TRUE(QFile::exists(path + ".lock"));
    EXPECT_EQ(errorOf([&] { Document::bind(path); }), 0);
}

TEST(DocumentLock, SaveUnderANewPathMovesTheLock) {
    TempDir dir;
    const QString oldPath = savedDocument(dir, "old.bdf", "x");
    auto document = Document::bind(oldPath);
    const QString newPath = dir.file("new.bdf");
    document->save(newPath);
    EXPECT_EQ(document->filePath(), newPath);
    EXPECT_EQ(errorOf([&] { Document::bind(newPath); }), kErrDocumentHeld);
    EXPECT_EQ(errorOf([&] { Document::bind(oldPath); }), 0);

    // A target held by someone else is refused and nothing changes.
    auto other = Document::bind(oldPath);
    EXPECT_EQ(errorOf([&] { document->save(oldPath); }), kErrDocumentHeld);
    EXPECT_EQ(document->filePath(), newPath);
    EXPECT_TRUE(document->isLocked());
}

TEST(DocumentLock, AFailedSaveLeavesThePreviousFileWhole) {
    TempDir dir;
    const QString path = savedDocument(dir, "d.bdf", "before");
    const QByteArray before = TempDir::read(path);
    auto document = Document::bind(path);
    for (int i = 0; i < 2000; ++i)
        document->AddInheritedType(QStringLiteral("t%1").arg(i), "DefaultBrowser");
    for (rlim_t bytes : {rlim_t(100), rlim_t(4096), rlim_t(40000)}) {
        FileSizeLimit limit(bytes);
        EXPECT_EQ(errorOf([&] { document->save(); }), AppError::kDiskFull);
        EXPECT_EQ(errorOf([&] { document->save(dir.file("elsewhere.bdf")); }), AppError::kDiskFull);
    }
    EXPECT_EQ(TempDir::read(path), before);
    EXPECT_FALSE(QFile::exists(dir.file("elsewhere.bdf")));
    EXPECT_EQ(document->filePath(), path);  // the failed save under a new name changed nothing
    EXPECT_EQ(errorOf([&] { Document::bind(dir.file("elsewhere.bdf")); }),
              AppError::kCannotReachServer);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"d.bdf", "d.bdf.lock"}));
    EXPECT_EQ(errorOf([&] { document->save("/dev/full"); }), AppError::kPathFileAccess);
    document->save();
    EXPECT_EQ(Document::load(path)->types().size(), 2008);
}

TEST(DocumentLock, UnreadableOrUnwritablePlacesReportPermissionDenied) {
    if (geteuid() != 0 || !QFile::exists("/usr/bin/setpriv")) GTEST_SKIP() << "needs root";
    TempDir dir;
    QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777));
    const QString path = savedDocument(dir, "e.bdf", "secret");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QStringList asNobody = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534",
                                  "--clear-groups"};
    EXPECT_EQ(probe(path, asNobody), "error 70");

    const QString open = savedDocument(dir, "open.bdf", "x");
    QFile::setPermissions(open, QFileDevice::Permissions(0x6666));
    TempDir closed;  // owned by root, not writable by others
    QFile::setPermissions(closed.path(), QFileDevice::Permissions(0x7755));
    EXPECT_EQ(probe(open, asNobody, {"save", closed.file("copy.bdf")}), "bound\nerror 70");
    EXPECT_EQ(probe(open, asNobody, {"save", dir.file("copy.bdf")}), "bound\nsaved");
}
