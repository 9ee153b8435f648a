// The real editor program started as a child process, with nobody at the screen
// (SENTREL_UNATTENDED=1: messages go to standard output and take their default button, and the
// editor closes again once started): exit status, start-up messages and the first file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDirIterator>
#include <QFile>
#include <QProcess>

#include "NobodyAccount.h"
#include "document/Document.h"
#include "registry/KeyPaths.h"
#include "registry/mdlRegistry.h"
#include "shell/ScriptedInteraction.h"
#include "support/TempDir.h"

namespace sentrel::test {
namespace {

struct EditorRun {
    int exitCode = -1;
    QString messages;  // what the editor told the user
};

// Makes a folder tree readable by every account (temporary folders are private).
void openToEveryone(const QString& folder) {
    QFile::setPermissions(folder, QFileDevice::Permissions(0x7755));
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile::setPermissions(path, it.fileInfo().isDir() ? QFileDevice::Permissions(0x7755)
                                                          : QFileDevice::Permissions(0x6644));
    }
}

class EditorProcessTest : public ::testing::Test {
  protected:
    EditorProcessTest() {
        doc::Document::create()->save(base.file(QStringLiteral("intdata.dtl")));
        QFile::copy(QStringLiteral(SENTREL_TEMPLATE), base.file(QStringLiteral("intmpl.bdf")));
    }

    void registerBaseDirectory(const QString& folder) {
        ScriptedInteraction ui;
        reg::mdlRegistry registry(ui, reg::KeyStore(keys.path()));
        registry.setString(reg::kProductKey, reg::kBaseDirValue, folder);
    }

    // A definition file with its merge file and BDD beside it.
    QString definitions(const TempDir& folder, const QString& name) {
        const QString file = folder.file(name + QStringLiteral(".bdf"));
        QFile::copy(QStringLiteral(SENTREL_TEMPLATE), file);
        QFile::setPermissions(file, QFileDevice::Permissions(0x6644));
        folder.write(name + QStringLiteral(".mrg"), {});
        folder.write(name + QStringLiteral(".bdd"), {});
        return file;
    }

    EditorRun start(const QStringList& arguments = {}, bool asNobody = false,
                    const QString& workingFolder = QString()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("SENTREL_UNATTENDED"), QStringLiteral("1"));
        environment.insert(QStringLiteral("SENTREL_REGISTRY"), keys.path());
        environment.insert(QStringLiteral("SENTREL_HOME"), base.path());
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.file(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.file(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.file(QStringLiteral("run")));
        QDir(home.path()).mkpath(QStringLiteral("run"));
        QFile::setPermissions(home.file(QStringLiteral("run")), QFileDevice::Permissions(0x7700));
        QProcess editor;
        editor.setProcessEnvironment(environment);
        editor.setWorkingDirectory(workingFolder.isEmpty() ? home.path() : workingFolder);
        QStringList command = {QStringLiteral(SENTREL_EDITOR)};
        if (asNobody) {
            openToEveryone(keys.path());
            for (const QString& folder :
                 {home.path(), home.file(QStringLiteral("run")),
                  home.file(QStringLiteral("config")), home.file(QStringLiteral("data"))}) {
                QDir().mkpath(folder);
                EXPECT_TRUE(nobody::give(folder));
            }
            command = nobody::kCommand + command;
        }
        editor.start(command.first(), command.mid(1) + arguments);
        EXPECT_TRUE(editor.waitForFinished(60000));
        return {editor.exitCode(), QString::fromLocal8Bit(editor.readAllStandardOutput())};
    }

    // The recent-files list the editor saved in its internal data.
    QStringList recentFiles() const {
        return doc::Document::load(base.file(QStringLiteral("intdata.dtl")))->lru().bdfName.items();
    }

    TempDir keys, base, home;
};

// Without "basedir" the real start-up says so, fails binding "-1/intdata.dtl" and ends
// with status 1 before showing its window.
TEST_F(EditorProcessTest, NoBaseDirectoryInTheKeyStoreEndsWithStatusOne) {
    const EditorRun run = start();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.messages.startsWith(
        "[Error reading registry]\nUnable to read base directory information from registry.\n\n"
        "[DCOM for Windows 95 update needed]\nError #432 has occured during initialization."))
        << run.messages.toStdString();
}

// Another copy holding the internal data is no failure of this one: it is told and ends
// with status 0. A damaged lock file left by a crash blocks nothing.
TEST_F(EditorProcessTest, AnotherCopyRunningEndsWithStatusZeroAndADamagedLockIsTakenOver) {
    registerBaseDirectory(base.path());
    {
        auto held = doc::Document::bind(base.file(QStringLiteral("intdata.dtl")));
        const EditorRun run = start();
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.messages,
                  "[Sentrel already running]\nSentrel already running (1050). Please return to "
                  "currently running instance of Sentrel.\n\n");
    }
    base.write(QStringLiteral("intdata.dtl.lock"), "");
    const EditorRun run = start();
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.messages, QString());
    EXPECT_FALSE(QFile::exists(base.file(QStringLiteral("intdata.dtl.lock"))));
}

// A lock held on another host names the host, the process and the lock file; status 1.
TEST_F(EditorProcessTest, ALockOfAnotherHostIsNamed) {
    registerBaseDirectory(base.path());
    base.write(QStringLiteral("intdata.dtl.lock"), "4242\nsentrel-editor\nbuild7\n");
    const EditorRun run = start();
    EXPECT_EQ(run.exitCode, 1);
    const QString data = base.file(QStringLiteral("intdata.dtl"));
    EXPECT_EQ(run.messages, "[Internal data locked elsewhere]\nThe document \"" + data +
                                "\" is locked by process 4242 (sentrel-editor) on the host "
                                "\"build7\"; its lock file is \"" +
                                data +
                                ".lock\".\n\nSentrel can not start while that lock is held. If "
                                "Sentrel is no longer running there, delete the lock file and "
                                "start Sentrel again.\n\n");
}

// A relative path on the command line is the file in the folder the editor was started
// from: its recent-files entry (and title and merge file) use the absolute path.
TEST_F(EditorProcessTest, ARelativeCommandLinePathIsMadeAbsolute) {
    registerBaseDirectory(base.path());
    TempDir defs;
    const QString file = definitions(defs, QStringLiteral("site"));
    const EditorRun run = start({QStringLiteral("site.bdf")}, false, defs.path());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.messages, QString());
    EXPECT_EQ(recentFiles(), QStringList{file});
}

// A base directory the user cannot write gets its own message naming it (not "Internal data
// locked ... reboot"); a definition file in a folder the user can only read opens.
TEST_F(EditorProcessTest, ReadOnlyFoldersAsAnAccountWithoutWriteAccess) {
    if (!nobody::available()) GTEST_SKIP() << "needs root and setpriv";
    registerBaseDirectory(base.path());
    TempDir defs;  // owned by root: "nobody" can read it, not write it
    const QString file = definitions(defs, QStringLiteral("shared"));
    openToEveryone(defs.path());
    openToEveryone(base.path());

    EditorRun run = start({file}, true);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.messages,
              "[Base directory not writable]\nSentrel can not write to its base directory \"" +
                  base.path() +
                  "\".\n\nSentrel keeps its internal data (intdata.dtl), the temporary merge "
                  "file (merge.tmp) and the merge records waiting for their merge files there. "
                  "Make this folder writable for your account, or record a folder you can write "
                  "as the base directory (sentrel-editor --register-basedir FOLDER), and start "
                  "Sentrel again.\n\n");

    ASSERT_TRUE(nobody::give(base.path()));
    ASSERT_TRUE(nobody::give(base.file(QStringLiteral("intdata.dtl"))));
    run = start({file}, true);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.messages, QString());
    EXPECT_EQ(recentFiles(), QStringList{file});
    EXPECT_FALSE(QFile::exists(file + QStringLiteral(".lock")));
}

}  // namespace
}  // namespace sentrel::test
