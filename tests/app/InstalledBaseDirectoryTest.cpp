#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/InstalledBaseDirectory.h"
#include "shell/AppError.h"
#include "support/TempDir.h"

using sentrel::AppError;
using sentrel::app::InstalledBaseDirectory;
using sentrel::test::TempDir;

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

// An installation laid out as the package lays it out: <prefix>/bin and <prefix>/share/sentrel
// with a few of the program's files and the user's starting files; $XDG_DATA_HOME in a
// folder of the test's own.
class InstalledBaseDirectoryTest : public ::testing::Test {
  protected:
    InstalledBaseDirectoryTest() {
        QDir().mkpath(bin);
        QDir().mkpath(data + "/docs/help");
        root.write("usr/share/sentrel/intmpl.bdf", "template\n");
        root.write("usr/share/sentrel/whatsnew.txt", "news 1\n");
        root.write("usr/share/sentrel/docs/help/index.html", "<html/>\n");
        root.write("usr/share/sentrel/maindefs.bdf", "upstream\n");
        root.write("usr/share/sentrel/intdata.dtl", "recent\n");
        QFile(data + "/maindefs.bdf").setPermissions(QFileDevice::ReadOwner);
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
    }
    ~InstalledBaseDirectoryTest() override { qunsetenv("XDG_DATA_HOME"); }

    QString user(const QString& name) const { return home.path() + "/sentrel/" + name; }

    TempDir root;
    TempDir home;
    const QString bin = root.path() + "/usr/bin";
    const QString data = root.path() + "/usr/share/sentrel";
};

TEST_F(InstalledBaseDirectoryTest, ABuildTreeKeepsTheRegisteredBaseDirectory) {
    TempDir build;
    EXPECT_EQ(InstalledBaseDirectory::dataFolderOf(build.path() + "/app"), QString());
    EXPECT_EQ(InstalledBaseDirectory::resolve("-1", build.path() + "/app"), "-1");
    EXPECT_EQ(InstalledBaseDirectory::resolve("/srv/sentrel", build.path() + "/app"),
              "/srv/sentrel");
    EXPECT_FALSE(QFileInfo::exists(home.path() + "/sentrel"));

    // An installation with a base directory of the user's own choosing keeps it too.
    EXPECT_EQ(InstalledBaseDirectory::resolve(build.path(), bin), build.path());
    EXPECT_FALSE(QFileInfo::exists(home.path() + "/sentrel"));
}

TEST_F(InstalledBaseDirectoryTest, FirstStartMakesTheUsersCopyWithProgramFilesLinked) {
    EXPECT_EQ(InstalledBaseDirectory::dataFolderOf(bin), data);
    for (const QString& registered : {QString("-1"), QString(), data + "/"}) {
        EXPECT_EQ(InstalledBaseDirectory::resolve(registered, bin), home.path() + "/sentrel");
    }
    EXPECT_EQ(QFileInfo(user("intmpl.bdf")).symLinkTarget(), data + "/intmpl.bdf");
    EXPECT_EQ(QFileInfo(user("docs")).symLinkTarget(), data + "/docs");
    EXPECT_EQ(TempDir::read(user("docs/help/index.html")), "<html/>\n");

    // The user's files are copies the user may change; the reports folder is there.
    for (const QString own : {"maindefs.bdf", "intdata.dtl"}) {
        EXPECT_FALSE(QFileInfo(user(own)).isSymLink()) << own.toStdString();
        EXPECT_TRUE(QFileInfo(user(own)).isWritable()) << own.toStdString();
    }
    EXPECT_EQ(TempDir::read(user("maindefs.bdf")), "upstream\n");
    EXPECT_TRUE(QFileInfo(user("reports")).isDir());
    EXPECT_EQ(QDir(home.path() + "/sentrel")
                  .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"docs", "intdata.dtl", "intmpl.bdf", "maindefs.bdf", "reports",
                           "whatsnew.txt"}));
}

// A package upgrade reaches the program's files; the user's own stay as the user left them.
TEST_F(InstalledBaseDirectoryTest, LaterStartsFollowUpgradesAndKeepTheUsersFiles) {
    InstalledBaseDirectory::resolve("-1", bin);
    writeFile(user("maindefs.bdf"), "customised\n");
    root.write("usr/share/sentrel/whatsnew.txt", "news 2\n");
    root.write("usr/share/sentrel/sentrel-update", "program\n");
    root.write("usr/share/sentrel/maindefs.bdf", "upstream 2\n");
    root.write("usr/share/sentrel/srws", "gone soon\n");
    InstalledBaseDirectory::resolve("-1", bin);
    QFile::remove(data + "/srws");
    // A copy the build scripts made stays a real file.
    QFile::remove(user("whatsnew.txt"));
    writeFile(user("whatsnew.txt"), "copied by run.sh\n");

    InstalledBaseDirectory::resolve("-1", bin);
    EXPECT_EQ(TempDir::read(user("maindefs.bdf")), "customised\n");
    EXPECT_EQ(TempDir::read(user("sentrel-update")), "program\n");
    EXPECT_FALSE(QFileInfo(user("srws")).isSymLink());
    EXPECT_EQ(TempDir::read(user("whatsnew.txt")), "copied by run.sh\n");
}

TEST_F(InstalledBaseDirectoryTest, AUserFolderThatCannotBeMadeIsAnErrorThatNamesIt) {
    writeFile(home.path() + "/sentrel", "a file in the way\n");
    try {
        InstalledBaseDirectory::resolve("-1", bin);
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.number(), 75);
        EXPECT_EQ(error.description(),
                  "Cannot make " + home.path() + "/sentrel in the user's data folder");
    }
}

}  // namespace
