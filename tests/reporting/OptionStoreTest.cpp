#include <gtest/gtest.h>

#include <QDir>

#include "registry/KeyPaths.h"
#include "registry/mdlRegistry.h"
#include "reporting/OptionStore.h"
#include "shell/ScriptedInteraction.h"
#include "support/TempDir.h"

namespace sentrel {
namespace {

using reg::kOptionsKey;

// Every option away from its default, in the order the store writes them.
const char* const kEveryOptionFile = R"("loggingEnabled"=dword:00000001
"logFile"="/var/log/ua \"all\".out"
"loggingType"=dword:00000002
"loggingHitTester"=dword:00000001
"propShowVer"=dword:00000000
"propShowSys"=dword:00000001
"verIncrement"=dword:00000001
"autoload"=dword:00000001
"autoloadBDF"="/defs/mine.bdf"
"perfMode"=dword:00000001
"perfCacheMaximum"=dword:006ddd00
"perfCacheTimeout"=dword:00005460
"perfCacheCleanInterval"=dword:00000258
"rptProperties"="browser,version"
"srwsRemote"=dword:00000001
"srwsLocalWebAddress"="http://www.example.com"
"srwsInstallPath"="/srv/www/srws"
"srwsLogFilePath"="/var/log/srws"
"srwsURL"="http://www.example.com/srws/"
"srwsProviderType"=dword:00000001
"srwsMDBPath"="/srv/reports.db"
"srwsServer"="db1"
"srwsIntegratedSecurity"=dword:00000000
"srwsUsername"="sentrel"
"srwsPassword"="s3cret"
"srwsDatabase"="db"
"srwsTableOwner"="dbo"
)";

// Each test works on a fresh key store of its own, found through $SENTREL_REGISTRY.
class OptionStoreTest : public ::testing::Test {
  protected:
    ~OptionStoreTest() override { qunsetenv("SENTREL_REGISTRY"); }

    OptionStore loaded() {
        OptionStore store(registry, "/opt/sentrel");
        store.load();
        return store;
    }
    QString optionsFolder() const { return dir.file(kOptionsFolder); }
    QByteArray optionsFile() const { return test::TempDir::read(dir.file(kOptionsFile)); }

    const QString kOptionsFolder =
        "registry/HKEY_LOCAL_MACHINE/SOFTWARE/Norvane/Browser Editor/1.0/options";
    const QString kOptionsFile = kOptionsFolder + "/values.reg";

    test::TempDir dir;
    // Set before the registry module is made: it finds its folder when constructed.
    bool registryFolderSet = qputenv("SENTREL_REGISTRY", dir.file("registry").toUtf8());
    ScriptedInteraction ui;
    reg::mdlRegistry registry{ui};
};

TEST_F(OptionStoreTest, FreshKeyStoreGivesTheDefaultsAndLoadingWritesNothing) {
    const OptionStore store = loaded();
    EXPECT_FALSE(store.perfMode);
    EXPECT_EQ(store.perfCacheMaximum, 330000);
    EXPECT_EQ(store.perfCacheTimeout, 43200);
    EXPECT_EQ(store.perfCacheCleanInterval, 1800);
    EXPECT_EQ(store.srwsProviderType, SrwsProvider::SqlServer);
    EXPECT_TRUE(store.srwsIntegratedSecurity);
    EXPECT_FALSE(store.srwsRemote);
    EXPECT_EQ(store.loggingType, LoggingType::None);
    EXPECT_EQ(store.logFile, "/opt/sentrel/browsers.out");
    EXPECT_EQ(store.srwsLogFilePath, "/opt/sentrel/reports/logs");
    EXPECT_TRUE(store.propShowVer);
    EXPECT_FALSE(store.loggingEnabled || store.propShowSys || store.autoload);
    EXPECT_EQ(store.autoloadBDF, "");
    EXPECT_TRUE(ui.events().isEmpty());
    EXPECT_FALSE(registry.keyExists(kOptionsKey));
}

TEST_F(OptionStoreTest, TextOptionsReadOneCharacterAsEmptyAndFallBackWhenEmpty) {
    registry.setString(kOptionsKey, "srwsDatabase", "r");  // a one-letter database name
    registry.setString(kOptionsKey, "srwsTableOwner", "-1");
    registry.setDword(kOptionsKey, "srwsServer", 42);
    registry.setString(kOptionsKey, "logFile", "");
    registry.setString(kOptionsKey, "srwsLogFilePath", "");
    registry.setString(reg::kBrowserDefsKey, "default", "/defs/main.bdf");
    registry.setString(kOptionsKey, "autoloadBDF", "x");

    const OptionStore store = loaded();
    EXPECT_EQ(store.srwsDatabase, "");    // one character reads back empty
    EXPECT_EQ(store.srwsTableOwner, "");  // "-1" is the key store's "missing"
    EXPECT_EQ(store.srwsServer, "42");
    EXPECT_EQ(store.logFile, "/opt/sentrel/browsers.out");
    EXPECT_EQ(store.srwsLogFilePath, "/opt/sentrel/reports/logs");
    EXPECT_EQ(store.autoloadBDF, "/defs/main.bdf");
    EXPECT_EQ(OptionStore(registry, "/opt/sentrel/").logFile, "/opt/sentrel/browsers.out");
}

TEST_F(OptionStoreTest, NumberOptionsTakeTheirDefaultsUnlessTheStoredNumberIsOneOfTheirs) {
    registry.setString(kOptionsKey, "perfCacheMaximum", "abc");
    registry.setString(kOptionsKey, "perfCacheTimeout", "");
    registry.setString(kOptionsKey, "perfCacheCleanInterval", " 900 ");
    registry.setDword(kOptionsKey, "srwsProviderType", 7);
    registry.setDword(kOptionsKey, "loggingEnabled", 2);  // only 1 turns an "off" option on
    registry.setDword(kOptionsKey, "propShowVer", 5);     // only 0 turns an "on" option off

    OptionStore store = loaded();
    EXPECT_EQ(store.perfCacheMaximum, 330000);
    EXPECT_EQ(store.perfCacheTimeout, 43200);
    EXPECT_EQ(store.perfCacheCleanInterval, 900);
    EXPECT_EQ(store.srwsProviderType, SrwsProvider::SqlServer);
    EXPECT_FALSE(store.loggingEnabled);
    EXPECT_TRUE(store.propShowVer);

    for (const auto& [stored, expected] : {std::pair{0, LoggingType::None},
                                           {-1, LoggingType::None},
                                           {4, LoggingType::None},
                                           {1, LoggingType::UnknownBrowsers},
                                           {2, LoggingType::AllBrowsers}}) {
        registry.setDword(kOptionsKey, "loggingType", stored);
        store.load();
        EXPECT_EQ(store.loggingType, expected) << stored;
    }
}

TEST_F(OptionStoreTest, EveryOptionRoundTripsUnderItsNameAndTypeInOrder) {
    QDir().mkpath(optionsFolder());
    dir.write(kOptionsFile, kEveryOptionFile);
    OptionStore store = loaded();
    EXPECT_EQ(store.srwsProviderType, SrwsProvider::Access);
    EXPECT_EQ(store.srwsDatabase, "db");
    EXPECT_EQ(store.perfCacheMaximum, 7200000);
    EXPECT_FALSE(store.srwsIntegratedSecurity);

    QDir(optionsFolder()).removeRecursively();
    EXPECT_TRUE(store.save());  // the first write creates the missing key
    EXPECT_TRUE(ui.events().isEmpty());
    EXPECT_EQ(QString::fromUtf8(optionsFile()), kEveryOptionFile);

    OptionStore defaults(registry, "/opt/sentrel");  // "None" is stored as 3
    EXPECT_TRUE(defaults.save());
    EXPECT_TRUE(optionsFile().contains("\"loggingType\"=dword:00000003\n"));
}

TEST_F(OptionStoreTest, TheVersionStepRunsBetweenEditorAndReportingOptions) {
    QByteArray fileAtStep;
    EXPECT_TRUE(OptionStore(registry, "/opt").save([&] { fileAtStep = optionsFile(); }));
    EXPECT_TRUE(fileAtStep.contains("\"autoloadBDF\""));
    EXPECT_FALSE(fileAtStep.contains("\"perfMode\""));
}

TEST_F(OptionStoreTest, EveryFailedWriteIsShownAndTheSaveGoesOn) {
    // The store's root is a file, so the options key can never be created.
    qputenv("SENTREL_REGISTRY", dir.write("blocked", "not a folder").toUtf8());
    reg::mdlRegistry blocked(ui);
    bool versionStepRan = false;

    EXPECT_FALSE(OptionStore(blocked, "/opt").save([&] { versionStepRan = true; }));
    EXPECT_TRUE(versionStepRan);
    QStringList titles;
    for (const MessageRequest& message : ui.messages()) titles << message.title;
    EXPECT_EQ(titles, QStringList(27, "Registry error")) << "one for each option";
}

}  // namespace
}  // namespace sentrel
