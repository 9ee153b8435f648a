#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "registry/KeyPaths.h"
#include "registry/mdlRegistry.h"
#include "reporting/OptionStore.h"
#include "shell/ScriptedInteraction.h"
#include "support/TempDir.h"

namespace sentrel {
namespace {

using reg::kOptionsKey;

// Each test works on a fresh key store of its own, found through $SENTREL_REGISTRY.
class OptionStoreTest : public ::testing::Test {
  protected:
    ~OptionStoreTest() override { qunsetenv("SENTREL_REGISTRY"); }

    OptionStore loaded() {
        OptionStore store(registry, kBase);
        store.load();
        return store;
    }
    QByteArray optionsFile() const {
        return test::TempDir::read(
            dir.file("registry/HKEY_LOCAL_MACHINE/SOFTWARE/Norvane/Browser Editor/1.0/options/"
                     "values.reg"));
    }

    const QString kBase = QStringLiteral("/opt/sentrel");
    test::TempDir dir;
    // Set before the registry module is made: it finds its folder when constructed.
    bool registryFolderSet = qputenv("SENTREL_REGISTRY", dir.file("registry").toUtf8());
    ScriptedInteraction ui;
    reg::mdlRegistry registry{ui};
};

TEST_F(OptionStoreTest, FreshKeyStoreGivesEveryDefaultWithoutAMessage) {
    const OptionStore store = loaded();
    EXPECT_FALSE(store.loggingEnabled);
    EXPECT_EQ(store.logFile, "/opt/sentrel/browsers.out");
    EXPECT_EQ(store.loggingType, LoggingType::None);
    EXPECT_FALSE(store.loggingHitTester);
    EXPECT_TRUE(store.propShowVer);
    EXPECT_FALSE(store.propShowSys);
    EXPECT_FALSE(store.verIncrement);
    EXPECT_FALSE(store.autoload);
    EXPECT_EQ(store.autoloadBDF, "");
    EXPECT_FALSE(store.perfMode);
    EXPECT_EQ(store.perfCacheMaximum, 330000);
    EXPECT_EQ(store.perfCacheTimeout, 43200);
    EXPECT_EQ(store.perfCacheCleanInterval, 1800);
    EXPECT_FALSE(store.srwsRemote);
    EXPECT_EQ(store.srwsLogFilePath, "/opt/sentrel/reports/logs");
    EXPECT_EQ(store.srwsProviderType, SrwsProvider::SqlServer);
    EXPECT_TRUE(store.srwsIntegratedSecurity);
    for (const QString* text :
         {&store.rptProperties, &store.srwsLocalWebAddress, &store.srwsInstallPath, &store.srwsURL,
          &store.srwsMDBPath, &store.srwsServer, &store.srwsUsername, &store.srwsPassword,
          &store.srwsDatabase, &store.srwsTableOwner})
        EXPECT_EQ(*text, "");
    EXPECT_FALSE(store.version.enabled());

    EXPECT_TRUE(ui.events().isEmpty());
    EXPECT_FALSE(registry.keyExists(kOptionsKey));  // loading writes nothing
}

TEST_F(OptionStoreTest, TextOptionsKeepShortTextsAndFallBackWhenEmpty) {
    registry.setString(kOptionsKey, "srwsDatabase", "r");  // a one-letter database name
    registry.setString(kOptionsKey, "srwsTableOwner", "-1");
    registry.setDword(kOptionsKey, "srwsServer", 42);
    registry.setString(kOptionsKey, "logFile", "");
    registry.setString(kOptionsKey, "srwsLogFilePath", "");
    registry.setString(reg::kBrowserDefsKey, "default", "/defs/main.bdf");
    registry.setString(kOptionsKey, "autoloadBDF", "x");

    OptionStore store = loaded();
    EXPECT_EQ(store.srwsDatabase, "r");
    EXPECT_EQ(store.GetRegValStr("srwsDatabase"), "r");
    EXPECT_EQ(store.srwsTableOwner, "");  // "-1" is the key store's "missing"
    EXPECT_EQ(store.srwsServer, "42");
    EXPECT_EQ(store.GetRegValStr("noSuchValue"), "");
    EXPECT_EQ(store.logFile, "/opt/sentrel/browsers.out");
    EXPECT_EQ(store.srwsLogFilePath, "/opt/sentrel/reports/logs");
    EXPECT_EQ(store.autoloadBDF, "/defs/main.bdf");

    registry.setString(kOptionsKey, "autoloadBDF", "/my/own.bdf");
    store.load();
    EXPECT_EQ(store.autoloadBDF, "/my/own.bdf");

    // The base directory is taken with or without its trailing slash.
    OptionStore slashed(registry, "/opt/sentrel/");
    EXPECT_EQ(slashed.logFile, "/opt/sentrel/browsers.out");
}

TEST_F(OptionStoreTest, NumberOptionsTakeTheirDefaultsUnlessTheStoredNumberIsOneOfTheirs) {
    registry.setString(kOptionsKey, "perfCacheMaximum", "abc");
    registry.setString(kOptionsKey, "perfCacheTimeout", "");
    registry.setString(kOptionsKey, "perfCacheCleanInterval", " 900 ");
    registry.setDword(kOptionsKey, "loggingType", 4);
    registry.setDword(kOptionsKey, "srwsProviderType", 7);
    registry.setDword(kOptionsKey, "loggingEnabled", 2);  // only 1 turns an "off" option on
    registry.setDword(kOptionsKey, "propShowVer", 5);     // only 0 turns an "on" option off
    registry.setDword(kOptionsKey, "srwsIntegratedSecurity", 0);
    registry.setString(kOptionsKey, "srwsRemote", "1");

    OptionStore store = loaded();
    EXPECT_EQ(store.perfCacheMaximum, 330000);
    EXPECT_EQ(store.perfCacheTimeout, 43200);
    EXPECT_EQ(store.perfCacheCleanInterval, 900);
    EXPECT_EQ(store.loggingType, LoggingType::None);
    EXPECT_EQ(store.srwsProviderType, SrwsProvider::SqlServer);
    EXPECT_FALSE(store.loggingEnabled);
    EXPECT_TRUE(store.propShowVer);
    EXPECT_FALSE(store.srwsIntegratedSecurity);
    EXPECT_TRUE(store.srwsRemote);

    for (const auto& [stored, expected] : {std::pair{0, LoggingType::None},
                                           {-1, LoggingType::None},
                                           {1, LoggingType::UnknownBrowsers},
                                           {2, LoggingType::AllBrowsers},
                                           {3, LoggingType::None}}) {
        registry.setDword(kOptionsKey, "loggingType", stored);
        store.load();
        EXPECT_EQ(store.loggingType, expected) << stored;
    }
    registry.setDword(kOptionsKey, "perfCacheMaximum", 0);  // a stored 0 is a number too
    store.load();
    EXPECT_EQ(store.perfCacheMaximum, 0);
}

// Every option set away from its default, as a user would in the dialog.
void changeEveryOption(OptionStore& store) {
    store.loggingEnabled = true;
    store.logFile = "/var/log/ua \"all\".out";
    store.loggingType = LoggingType::AllBrowsers;
    store.loggingHitTester = true;
    store.propShowVer = false;
    store.propShowSys = true;
    store.verIncrement = true;
    store.autoload = true;
    store.autoloadBDF = "/defs/mine.bdf";
    store.perfMode = true;
    store.perfCacheMaximum = 7200000;
    store.perfCacheTimeout = 21600;
    store.perfCacheCleanInterval = 600;
    store.rptProperties = "browser,version";
    store.srwsRemote = true;
    store.srwsLocalWebAddress = "http://www.example.com";
    store.srwsInstallPath = "/srv/www/srws";
    store.srwsLogFilePath = "/var/log/srws";
    store.srwsURL = "http://www.example.com/srws/";
    store.srwsProviderType = SrwsProvider::Access;
    store.srwsMDBPath = "/srv/reports.db";
    store.srwsServer = "db1";
    store.srwsIntegratedSecurity = false;
    store.srwsUsername = "sentrel";
    store.srwsPassword = "s3cret";
    store.srwsDatabase = "d";
    store.srwsTableOwner = "dbo";
}

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
"srwsDatabase"="d"
"srwsTableOwner"="dbo"
)";

TEST_F(OptionStoreTest, SaveWritesEveryOptionInOrderAndLoadReadsItBack) {
    OptionStore store(registry, kBase);
    changeEveryOption(store);
    EXPECT_TRUE(store.save());  // the first write creates the missing options key
    EXPECT_TRUE(ui.events().isEmpty());
    EXPECT_EQ(QString::fromUtf8(optionsFile()).remove('\r'), kEveryOptionFile);

    // What a fresh store loads, saved again, is the same file.
    OptionStore reread = loaded();
    EXPECT_EQ(reread.srwsProviderType, SrwsProvider::Access);
    EXPECT_EQ(reread.srwsDatabase, "d");
    const QByteArray first = optionsFile();
    EXPECT_TRUE(reread.save());
    EXPECT_EQ(optionsFile(), first);

    // And the defaults survive a round trip too ("None" is stored as 3).
    OptionStore defaults(registry, kBase);
    EXPECT_TRUE(defaults.save());
    EXPECT_TRUE(optionsFile().contains("\"loggingType\"=dword:00000003\n"));
    EXPECT_TRUE(optionsFile().contains("\"logFile\"=\"/opt/sentrel/browsers.out\"\n"));
    EXPECT_TRUE(optionsFile().contains("\"srwsUsername\"=\"\"\n"));
    const OptionStore back = loaded();
    EXPECT_TRUE(back.propShowVer);
    EXPECT_EQ(back.perfCacheMaximum, 330000);
    EXPECT_EQ(back.srwsLogFilePath, "/opt/sentrel/reports/logs");
}

TEST_F(OptionStoreTest, TheOpenFilesVersionIsAppliedBetweenEditorAndReportingOptions) {
    OptionStore store(registry, kBase);
    QByteArray fileAtCallback;
    EXPECT_TRUE(store.save([&] { fileAtCallback = optionsFile(); }));
    EXPECT_TRUE(fileAtCallback.contains("\"autoloadBDF\""));
    EXPECT_FALSE(fileAtCallback.contains("\"perfMode\""));
}

TEST_F(OptionStoreTest, AFailedWriteIsShownOnceAndReportedToTheCaller) {
    // The store's root is a file, so the options key can never be created.
    qputenv("SENTREL_REGISTRY", dir.write("blocked", "not a folder").toUtf8());
    reg::mdlRegistry blocked(ui);
    OptionStore store(blocked, kBase);
    bool betweenGroupsRan = false;

    EXPECT_FALSE(store.save([&] { betweenGroupsRan = true; }));
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages()[0].title, "Registry error");
    EXPECT_FALSE(betweenGroupsRan);
}

}  // namespace
}  // namespace sentrel
