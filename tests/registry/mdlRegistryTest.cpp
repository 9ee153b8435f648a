#include <gtest/gtest.h>

#include "RegistryFixture.h"
#include "registry/KeyPaths.h"
#include "registry/mdlRegistry.h"
#include "shell/ScriptedInteraction.h"

using namespace sentrel;
using namespace sentrel::reg;

namespace {

const QString kOptionsFolder = QStringLiteral("SOFTWARE/Norvane/Browser Editor/1.0/options");

class mdlRegistryTest : public test::RegistryFixture {
  protected:
    // The stored type and size of a value, straight from the store.
    RegData stored(const QString& keyPath, const QString& name) {
        RegKey key;
        RegData data;
        EXPECT_EQ(registry.store().openKey(HKEY_LOCAL_MACHINE, keyPath, kAccessReadValue, key), 0);
        EXPECT_EQ(registry.store().queryValue(key, name, data), 0);
        return data;
    }
    RegKey openForWriting(const QString& keyPath) {
        RegKey key;
        EXPECT_EQ(registry.store().openKey(HKEY_LOCAL_MACHINE, keyPath, kAccessWriteValue, key), 0);
        return key;
    }
    MessageRequest registryError(const QString& text) const {
        return {"Registry error", text + "support@sentrel-editor.org", MsgIcon::Critical,
                MsgButtons::OK};
    }

    ScriptedInteraction ui;
    mdlRegistry registry{ui};
};

}  // namespace

TEST_F(mdlRegistryTest, StringsKeepTheByteSizesOfTheRegistry) {
    ASSERT_EQ(registry.CreateNewKey(HKEY_LOCAL_MACHINE, kOptionsKey), 0);
    EXPECT_TRUE(registry.SetKeyValue(HKEY_LOCAL_MACHINE, kOptionsKey, "empty", "", REG_SZ));
    EXPECT_TRUE(registry.SetKeyValue(HKEY_LOCAL_MACHINE, kOptionsKey, "abc", "abc", REG_SZ));
    EXPECT_TRUE(registry.SetKeyValue(HKEY_LOCAL_MACHINE, kOptionsKey, "é", "é", REG_SZ));
    EXPECT_EQ(stored(kOptionsKey, "empty"), (RegData{REG_SZ, QByteArray(1, '\0')}));
    EXPECT_EQ(stored(kOptionsKey, "abc"), (RegData{REG_SZ, "abc"}));
    EXPECT_EQ(stored(kOptionsKey, "é").data.size(), 2);
    EXPECT_EQ(registry.GetKeyValue(HKEY_LOCAL_MACHINE, kOptionsKey, "empty"), RegValue(""));
    EXPECT_EQ(registry.GetKeyValue(HKEY_LOCAL_MACHINE, kOptionsKey, "ABC"), RegValue("abc"));
    EXPECT_EQ(valuesOf(kOptionsFolder), "\"empty\"=\"\"\n\"abc\"=\"abc\"\n\"é\"=\"é\"\n");
    EXPECT_TRUE(ui.messages().isEmpty());
}

TEST_F(mdlRegistryTest, NumbersAndOtherTypes) {
    ASSERT_EQ(registry.CreateNewKey(HKEY_LOCAL_MACHINE, kOptionsKey), 0);
    const RegKey key = openForWriting(kOptionsKey);
    EXPECT_EQ(registry.SetValueEx(key, "n", REG_DWORD, RegValue(-2)), 0);
    EXPECT_EQ(registry.SetValueEx(key, "fromText", REG_DWORD, RegValue("42")), 0);
    EXPECT_EQ(registry.SetValueEx(key, "bad", REG_DWORD, RegValue("many")),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(registry.store().setValue(key, "bin", {REG_BINARY, "\x01\x02"}), 0);
    EXPECT_EQ(valuesOf(kOptionsFolder),
              "\"n\"=dword:fffffffe\n\"fromText\"=dword:0000002a\n\"bin\"=hex:01,02\n");

    RegValue value("previous");
    EXPECT_EQ(registry.QueryValueEx(key, "n", value), 0);
    EXPECT_EQ(value, RegValue(-2));
    EXPECT_EQ(registry.QueryValueEx(key, "bin", value), kStatusUnsupportedType);
    EXPECT_TRUE(value.isEmpty());
    EXPECT_EQ(registry.QueryValueEx(key, "missing", value), ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(registry.GetKeyValue(HKEY_LOCAL_MACHINE, kOptionsKey, "bin").isEmpty());
    EXPECT_EQ(registry.getDword(kOptionsKey, "FROMTEXT"), 42);
    EXPECT_EQ(registry.getString(kOptionsKey, "n"), "-2");
    EXPECT_EQ(registry.getString(kOptionsKey, "bin"), std::nullopt);
}

TEST_F(mdlRegistryTest, MissingKeysReadAsMinusOneAndAreNotCreatedWithoutTheFlag) {
    EXPECT_EQ(registry.GetKeyValue(HKEY_LOCAL_MACHINE, kProductKey, kBaseDirValue), RegValue("-1"));
    EXPECT_EQ(registry.getString(kProductKey, kBaseDirValue), std::nullopt);
    EXPECT_FALSE(registry.keyExists(kProductKey));

    EXPECT_FALSE(registry.SetKeyValue(HKEY_LOCAL_MACHINE, kOptionsKey, "a", "x", REG_SZ));
    EXPECT_FALSE(registry.SetKeyValue(HKEY_LOCAL_MACHINE, kOptionsKey, "a", "x", REG_SZ, false));
    const MessageRequest expected = registryError(
        "Error #2 trying to open key SOFTWARE\\Norvane\\Browser Editor\\1.0\\options for "
        "updating.  Please notify ");
    EXPECT_EQ(ui.messages(), QList<MessageRequest>({expected, expected}));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(mdlRegistryTest, TheCreateFlagCreatesOpensToEveryoneAndWrites) {
    EXPECT_TRUE(
        registry.SetKeyValue(HKEY_LOCAL_MACHINE, kOptionsKey, "nextCheck", 5, REG_DWORD, true));
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(registry.getDword(kOptionsKey, "nextcheck"), 5);
    EXPECT_EQ(modeOf(keyFolder(kOptionsFolder)), 0775);
    EXPECT_EQ(modeOf(keyFolder(kOptionsFolder) + "/values.reg"), 0664);
    // Only the created key is opened up; its parents stay as they were made.
    EXPECT_EQ(modeOf(keyFolder("SOFTWARE")) & 0022, 0);

    EXPECT_TRUE(registry.setString(kBrowserDefsKey, "x", "y"));
    registry.DeleteKey(HKEY_LOCAL_MACHINE, kOptionsKey);
    EXPECT_FALSE(registry.keyExists(kOptionsKey));
    EXPECT_TRUE(registry.OpenKeyToEveryone(kMakerKey));
    EXPECT_EQ(modeOf(keyFolder("SOFTWARE/Norvane")), 0775);
    EXPECT_FALSE(registry.OpenKeyToEveryone(kOptionsKey));
}

TEST_F(mdlRegistryTest, FailedWritesShowARegistryErrorAndKeepTheOldValue) {
    auto files = std::make_shared<test::FailingFileSystem>();
    registry.store() = KeyStore(dir.path(), files);
    ASSERT_TRUE(registry.setString(kOptionsKey, "a", "old"));
    const QByteArray before = valuesOf(kOptionsFolder);
    const QString key = "SOFTWARE\\Norvane\\Browser Editor\\1.0\\options";

    files->writeStatus = ERROR_DISK_FULL;
    EXPECT_FALSE(registry.setString(kOptionsKey, "a", "new"));
    files->writeStatus = 0;
    files->onAccess = [](const QString&, RegAccess access) {
        return access == kAccessWriteValue ? ERROR_ACCESS_DENIED : 0;
    };
    EXPECT_FALSE(registry.SetKeyValue(HKEY_LOCAL_MACHINE, kOptionsKey, "a", "new", REG_SZ));
    EXPECT_FALSE(registry.setString(kOptionsKey, "a", "new"));
    EXPECT_EQ(
        ui.messages(),
        QList<MessageRequest>(
            {registryError("Error #112 trying to write value a of key " + key +
                           ".  Please notify "),
             registryError("Error #5 trying to open key " + key + " for updating.  Please notify "),
             registryError("Error #5 trying to auto create key " + key + ". Please notify ")}));
    EXPECT_EQ(valuesOf(kOptionsFolder), before);
    EXPECT_EQ(registry.getString(kOptionsKey, "a"), "old");

    // Creation succeeds but the new key then refuses writing.
    ui.clear();
    files->onAccess = [opened = 0](const QString& folder, RegAccess access) mutable {
        const bool reopening =
            folder.endsWith("/new") && access == kAccessWriteValue && ++opened > 1;
        return reopening ? ERROR_ACCESS_DENIED : 0;
    };
    EXPECT_FALSE(registry.setString(kProductKey + "\\new", "a", "x"));
    EXPECT_EQ(ui.messageTexts(),
              QStringList({"Error #5 trying to open key SOFTWARE\\Norvane\\Browser Editor\\1.0"
                           "\\new after creating it. Please notify support@sentrel-editor.org"}));
}

TEST_F(mdlRegistryTest, AHandDamagedValuesFileIsReadAndKeptOnWrite) {
    ASSERT_TRUE(registry.setString(kOptionsKey, "first", "1"));
    QByteArray junk(300, '\0');
    for (int i = 0; i < junk.size(); ++i) junk[i] = char(i * 37);
    dir.write("HKEY_LOCAL_MACHINE/" + kOptionsFolder + "/values.reg",
              "\"basedir\"=\"/opt\n" + junk + "\n\"good\"=dword:7\n\"first\"=\"1\"");
    EXPECT_EQ(registry.getDword(kOptionsKey, "good"), 7);
    EXPECT_TRUE(registry.GetKeyValue(HKEY_LOCAL_MACHINE, kOptionsKey, "basedir").isEmpty());
    ASSERT_TRUE(registry.setString(kOptionsKey, "first", "2"));
    EXPECT_TRUE(valuesOf(kOptionsFolder).startsWith("\"basedir\"=\"/opt\n" + junk + "\n"));
    EXPECT_EQ(registry.getString(kOptionsKey, "first"), "2");
    EXPECT_TRUE(ui.messages().isEmpty());
}
