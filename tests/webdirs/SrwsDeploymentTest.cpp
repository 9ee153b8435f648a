#include <gtest/gtest.h>

// Readable Qt values; every test file of the program includes it, so that all agree.
#include "editing/QtPrinters.h"

#include <grp.h>
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ApacheTree.h"
#include "registry/KeyPaths.h"
#include "registry/mdlRegistry.h"
#include "reporting/OptionStore.h"
#include "reporting/SrwsDeployment.h"
#include "shell/ScriptedInteraction.h"
#include "support/MessagePrinter.h"

using namespace sentrel;

namespace {

const QString kRequired = ".  This file is required to run the Reports Service on this machine.  ";

// The file system of an account that may not write one file.
class RefusingWrite : public reg::KeyFileSystem {
  public:
    explicit RefusingWrite(QString refused) : refused_(std::move(refused)) {}
    int writeFile(const QString& path, const QByteArray& content) override {
        return path == refused_ ? reg::ERROR_ACCESS_DENIED
                                : KeyFileSystem::writeFile(path, content);
    }

  private:
    QString refused_;
};

struct FileMode {
    QString group;
    int mode = 0;
    bool operator==(const FileMode&) const = default;
};

FileMode modeOf(const QString& path) {
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    const group* g = ::getgrgid(info.st_gid);
    return {g ? QString::fromUtf8(g->gr_name) : QString(), int(info.st_mode & 07777)};
}

// An installation (base directory with the 32-bit service), a key store, the reports site
// of a copied Apache configuration, and the options of a user who chose the site's "/srws".
class SrwsDeploymentTest : public ::testing::Test {
  protected:
    SrwsDeploymentTest() {
        writeService("x86", "32-bit service");
        tree.addSite("reports.example", www, {});
        options.srwsInstallPath = www + "/srws";
        QDir().mkpath(options.srwsInstallPath);
        options.srwsURL = "http://reports.example/srws/";
        options.srwsProviderType = SrwsProvider::Access;
        options.srwsMDBPath = reports + "/SNReports.db";
        options.save();
        ui.clear();
    }

    void writeService(const char* build, const QByteArray& content) {
        const QString folder = base + "/srws/" + build;
        QDir().mkpath(folder);
        QFile file(folder + "/NorvaneSRWS.dll");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    bool copy(const QString& loadedInstallPath = "") {
        return SrwsDeployment(options, registry, ui, setup).CopySRWS(loadedInstallPath);
    }
    QString deployed() const { return options.srwsInstallPath + "/NorvaneSRWS.dll"; }
    bool eventSourceRegistered() const {
        return registry.keyExists(SrwsDeployment::kEventSourceKey);
    }

    test::ApacheTree tree;
    QString base = tree.scratch("base");
    QString www = tree.scratch("www");
    QString reports = tree.scratch("reports");
    QString keyStore = tree.scratch("registry");
    ScriptedInteraction ui;
    reg::mdlRegistry registry{ui, reg::KeyStore(keyStore)};
    OptionStore options{registry, base};
    webdirs::ApacheSetup setup = [this] {
        webdirs::ApacheSetup apache = tree.setup(keyStore);
        apache.postgresProgram = base + "/srws/sentrel-srws-postgres";
        return apache;
    }();
};

}  // namespace

TEST_F(SrwsDeploymentTest, AnUnchangedDirectoryOrAnotherServerCopiesNothingAndWritesNoKey) {
    const auto before = tree.snapshot();
    EXPECT_TRUE(copy(options.srwsInstallPath));
    options.srwsRemote = true;
    EXPECT_TRUE(copy());
    EXPECT_FALSE(QFile::exists(deployed()));
    EXPECT_FALSE(eventSourceRegistered());
    EXPECT_EQ(tree.snapshot(), before);
    EXPECT_TRUE(ui.events().isEmpty());
}

TEST_F(SrwsDeploymentTest, WithoutAnX64BuildThe32BitServiceIsDeployedWithoutAQuestion) {
    ASSERT_TRUE(copy("/var/www/old"));
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(test::TempDir::read(deployed()), "32-bit service");
    EXPECT_EQ(modeOf(deployed()).mode, 0755);

    EXPECT_EQ(registry.getString(SrwsDeployment::kEventSourceKey, "EventMessageFile"), deployed());
    EXPECT_EQ(registry.getString(SrwsDeployment::kEventSourceKey, "CategoryMessageFile"),
              deployed());
    EXPECT_EQ(registry.getDword(SrwsDeployment::kEventSourceKey, "TypesSupported"), 7);
    EXPECT_EQ(registry.getDword(SrwsDeployment::kEventSourceKey, "CategoryCount"), 2);

    const QString snippet = test::TempDir::read(tree.root() + "/conf-enabled/sentrel-srws.conf");
    EXPECT_TRUE(snippet.contains(
        "<LocationMatch \"(?i)^\\/srws\\/(norvanesrws|norvanesvr)\\.dll$\">\n    Alias \"" +
        deployed() + "\"\n</LocationMatch>\n"))
        << snippet.toStdString();
    EXPECT_TRUE(snippet.contains("SetEnv SENTREL_REGISTRY \"" + keyStore +
                                 "\"\n"
                                 "    SetEnv SENTREL_SRWS_POSTGRES \"" +
                                 base + "/srws/sentrel-srws-postgres\"\n"));

    // Deploying again replaces the service whole.
    writeService("x86", "newer service");
    ASSERT_TRUE(copy("/var/www/old"));
    EXPECT_EQ(test::TempDir::read(deployed()), "newer service");
}

TEST_F(SrwsDeploymentTest, WithAnX64BuildTheUserChoosesTheBuild) {
    writeService("x64", "64-bit service");
    const MessageRequest question{
        "64 bit or 32 bit version",
        "The SRWS is available as both a 32 bit and 64 bit DLL. Since you are running on a 64 "
        "bit OS you must use the 64 bit version of SRWS, assuming you have not changed Apache "
        "httpd from its default of running 32 bit Apache httpd worker processes. However if "
        "you have changed Apache httpd to use 32 bit worker processes then you must use the 32 "
        "bit version of SRWS.\r\n\r\nWould you like to use the 64 bit version of SRWS?  Answer "
        "Yes if so (recommended). If you choose No, then the 32 bit version will be used.",
        MsgIcon::Question, MsgButtons::YesNo, 1};
    ui.answerMessage(MsgAnswer::Yes);
    ASSERT_TRUE(copy());
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{question});
    EXPECT_EQ(test::TempDir::read(deployed()), "64-bit service");

    ui.answerMessage(MsgAnswer::No);
    ASSERT_TRUE(copy());
    EXPECT_EQ(test::TempDir::read(deployed()), "32-bit service");
}

TEST_F(SrwsDeploymentTest, AMissingServiceOrARefusedCopyIsToldAndNothingElseDone) {
    setup.files = std::make_shared<RefusingWrite>(deployed());
    EXPECT_FALSE(copy());
    // Error 70 is told with the ending that sends the user to start the editor as root: a
    // refused copy is no deployment.
    const MessageRequest refused{
        "Error copying Sentrel Reports Web Service DLL",
        "Error #70 [Permission denied: " + deployed() + "] trying to copy " + deployed() +
            kRequired +
            "The most likely cause is that you are running without Administrative privileges "
            "(not as root). To correct the issue, please exit this application and relaunch it "
            "by starting the editor as root, for example with sudo.",
        MsgIcon::Critical, MsgButtons::OK, 1};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{refused});
    EXPECT_FALSE(eventSourceRegistered());
    EXPECT_FALSE(QFile::exists(tree.root() + "/conf-available/sentrel-srws.conf"));
    ui.clear();

    QFile::remove(base + "/srws/x86/NorvaneSRWS.dll");
    EXPECT_FALSE(copy());
    const MessageRequest missing{"Sentrel Reports Web Service DLL not found",
                                 "Could not find " + base + "/srws/x86/NorvaneSRWS.dll" +
                                     " for copying into " + options.srwsInstallPath + kRequired +
                                     "Try reinstalling Sentrel or contact Norvane support for "
                                     "assistance.",
                                 MsgIcon::Critical, MsgButtons::OK, 1};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{missing});
    EXPECT_FALSE(eventSourceRegistered());
}

TEST_F(SrwsDeploymentTest, AWebDirectoryThatIsGoneGetsTheSupportEnding) {
    options.srwsInstallPath = www + "/gone";
    EXPECT_FALSE(copy());
    const MessageRequest gone{"Error copying Sentrel Reports Web Service DLL",
                              "Error #76 [Path not found: " + www + "/gone] trying to copy " + www +
                                  "/gone/NorvaneSRWS.dll" + kRequired +
                                  "Please contact Norvane support for assistance.",
                              MsgIcon::Critical, MsgButtons::OK, 1};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{gone});
}

TEST_F(SrwsDeploymentTest, ASnippetApacheRefusesIsRolledBackAndTheDeploymentReportedFailed) {
    tree.write("conf-available/typo.conf", "ServerTokns Prod\n");
    tree.enable("conf", "typo.conf");
    const auto before = tree.snapshot();
    EXPECT_FALSE(copy());
    EXPECT_EQ(tree.snapshot(), before);
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages()[0].title, "Unable to checking or set web directory permissions");
}

TEST_F(SrwsDeploymentTest, AsRootApachesGroupGetsTheReportsFolderAndFile) {
    QFile(reports + "/SNReports.db").open(QIODevice::WriteOnly);
    ::chmod(QFile::encodeName(reports).constData(), 0700);
    ::chmod(QFile::encodeName(reports + "/SNReports.db").constData(), 0600);
    ASSERT_TRUE(copy());
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(modeOf(reports), (FileMode{"www-data", 02775}));
    EXPECT_EQ(modeOf(reports + "/SNReports.db"), (FileMode{"www-data", 0664}));
}

TEST_F(SrwsDeploymentTest, PathsOutsideOursThatApacheCannotReachAreNamedWithTheAccount) {
    // The key store below a folder only root may enter.
    const QString privateFolder = tree.scratch("private");
    ::chmod(QFile::encodeName(privateFolder).constData(), 0700);
    const QString privateStore = privateFolder + "/registry";
    reg::mdlRegistry privateRegistry{ui, reg::KeyStore(privateStore)};
    OptionStore privateOptions{privateRegistry, base};
    privateOptions.srwsInstallPath = options.srwsInstallPath;
    privateOptions.srwsURL = options.srwsURL;
    privateOptions.srwsProviderType = options.srwsProviderType;
    privateOptions.save();
    setup.keyStoreRoot = privateStore;

    EXPECT_FALSE(SrwsDeployment(privateOptions, privateRegistry, ui, setup).CopySRWS(""));
    const MessageRequest lacking{
        "Reports Web Service access",
        "Apache httpd runs the Sentrel Reports Web Service as the account www-data (group "
        "www-data), which cannot use these paths it needs:\r\n" +
            privateFolder +
            " (search)\r\n\r\nUntil that account has this access the Reports "
            "Service will not record statistics.  Give it the access, or start "
            "the editor as root, for example with sudo, and press OK again so "
            "that Sentrel gives it for you.",
        MsgIcon::Exclamation, MsgButtons::OK, 1};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{lacking});
    EXPECT_EQ(modeOf(privateFolder).mode, 0700) << "not ours: left alone";
}

TEST_F(SrwsDeploymentTest, APostgresDatabaseNeedsTheInstallationsPostgresProgram) {
    options.srwsProviderType = SrwsProvider::SqlServer;
    options.srwsServer = "/run/postgresql";
    options.srwsDatabase = "reports";
    options.save();
    EXPECT_FALSE(copy());
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_TRUE(ui.messages()[0].text.contains(base + "/srws/sentrel-srws-postgres (run)\r\n"))
        << ui.messages()[0].text.toStdString();

    ui.clear();
    QFile program(base + "/srws/sentrel-srws-postgres");
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                           QFile::ReadOther | QFile::ExeOther);
    program.close();
    EXPECT_TRUE(copy());
    EXPECT_TRUE(ui.messages().isEmpty());
}
