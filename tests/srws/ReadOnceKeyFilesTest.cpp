#include <gtest/gtest.h>

// Readable Qt values; every test file of the program includes it, so that all agree.
#include "editing/QtPrinters.h"

#include "registry/mdlRegistry.h"
#include "shell/ScriptedInteraction.h"
#include "srws/ReadOnceKeyFiles.h"
#include "support/TempDir.h"

using namespace sentrel;

// The service's key store remembers what it read, but never hides a change: neither its
// own writes nor a key made after a lookup found it missing.
TEST(ReadOnceKeyFilesTest, ReadsStayCurrentAfterEveryChange) {
    test::TempDir dir;
    ScriptedInteraction ui;
    reg::mdlRegistry keys(ui,
                          reg::KeyStore(dir.path(), std::make_shared<srws::ReadOnceKeyFiles>()));
    const QString key = "SOFTWARE\\Norvane\\Browser Editor\\1.0\\options";

    EXPECT_FALSE(keys.keyExists(key));
    EXPECT_EQ(keys.getString(key, "srwsMDBPath"), std::nullopt);
    ASSERT_TRUE(keys.setString(key, "srwsMDBPath", "/srv/first.db"));
    EXPECT_TRUE(keys.keyExists(key));
    EXPECT_EQ(keys.getString(key, "srwsMDBPath"), "/srv/first.db");
    ASSERT_TRUE(keys.setString(key, "srwsMDBPath", "/srv/second.db"));
    ASSERT_TRUE(keys.setDword(key, "srwsProviderType", 1));
    EXPECT_EQ(keys.getString(key, "srwsMDBPath"), "/srv/second.db");
    EXPECT_EQ(keys.getDword(key, "srwsProviderType"), 1);
}
