#include <gtest/gtest.h>

// Readable Qt values; every test file of the program includes it, so that all agree.
#include "editing/QtPrinters.h"

#include <QDir>
#include <QFile>

#include "registry/KeyPaths.h"
#include "registry/mdlRegistry.h"
#include "reporting/OptionStore.h"
#include "reporting/OptionsDatabaseSettings.h"
#include "shell/ScriptedInteraction.h"
#include "srws/ServiceSettings.h"
#include "support/TempDir.h"

using namespace sentrel;
using sentrel::srws::DatabaseSettings;
using sentrel::srws::ServiceSettings;

namespace {

// The service reads the options key without Qt; it must read what the editor's option
// store reads from the same key store, whatever the key holds.
class ServiceSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        registry.setString(reg::kProductKey, reg::kBaseDirValue, "/opt/sentrel//");
    }

    // The editor's reading, in the service's terms.
    std::pair<DatabaseSettings, QString> editorReading() {
        OptionStore options(registry, QStringLiteral("/opt/sentrel"));
        options.load();
        const reportsdb::ReportsDbSettings db = databaseSettingsOf(options);
        DatabaseSettings settings;
        settings.kind = db.kind;
        settings.filePath = db.filePath.toStdString();
        settings.server = db.server.toStdString();
        settings.useOsAuthentication = db.useOsAuthentication;
        settings.user = db.user.toStdString();
        settings.password = db.password.toStdString();
        settings.database = db.database.toStdString();
        settings.tableOwner = db.tableOwner.toStdString();
        return {settings, options.srwsLogFilePath};
    }

    void expectSameReading(const char* what) {
        const ServiceSettings service = ServiceSettings::load(dir.file("registry").toStdString());
        const auto [database, logFolder] = editorReading();
        EXPECT_EQ(service.database, database) << what;
        EXPECT_EQ(service.logFolder, logFolder.toStdString()) << what;
    }

    void set(const char* name, const QString& text) {
        registry.setString(reg::kOptionsKey, QString::fromLatin1(name), text);
    }
    void set(const char* name, qint32 number) {
        registry.setDword(reg::kOptionsKey, QString::fromLatin1(name), number);
    }

    test::TempDir dir;
    ScriptedInteraction ui;
    reg::mdlRegistry registry{ui, reg::KeyStore(dir.file("registry"))};
};

}  // namespace

TEST_F(ServiceSettingsTest, ReadsTheOptionsAsTheEditorReadsThem) {
    set("srwsLogFilePath", "x");  // shorter than two characters: the default
    expectSameReading("defaults");

    set("srwsProviderType", 1);
    set("srwsMDBPath", "  /var/lib/reports/SN Reports.db ");
    set("srwsLogFilePath", QString::fromUtf8("/var/log/sentrel/\u00e9t\u00e9"));
    expectSameReading("an SQLite file");

    set("srwsProviderType", 7);  // no such choice: the default, a server
    set("srwsServer", "db.example.org:5433");
    set("srwsIntegratedSecurity", 0);
    set("srwsUsername", QString::fromUtf8(" r\u00e9porter "));
    set("srwsPassword", " p\"w\\d ");
    set("srwsDatabase", "reports");
    set("srwsTableOwner", "-1");  // what an unreadable key answers: unset
    expectSameReading("a server");

    // Numbers stored as text, texts stored as numbers, and values of other types.
    set("srwsProviderType", " 1 ");
    set("srwsIntegratedSecurity", "2");
    set("srwsMDBPath", 42);
    registry.setString(reg::kOptionsKey, "srwsServer", "");
    QFile values(
        dir.file("registry/HKEY_LOCAL_MACHINE/SOFTWARE/Norvane/Browser Editor/1.0/"
                 "options/values.reg"));
    ASSERT_TRUE(values.open(QIODevice::Append));
    values.write("\"srwsDatabase\"=hex:41,42\njunk line\n\"srwsUsername\"=dword:ffffffff\n");
    values.close();
    expectSameReading("values of other types");
}

TEST_F(ServiceSettingsTest, SaysWhatIsMissing) {
    const std::string root = dir.file("registry").toStdString();
    EXPECT_EQ(ServiceSettings::load(root).problem,
              "the options key is missing in the key store " + root);
    set("srwsProviderType", 1);
    EXPECT_EQ(ServiceSettings::load(root).problem, "the SQLite file is not set");
    set("srwsMDBPath", "/var/lib/reports.db");
    const ServiceSettings file = ServiceSettings::load(root);
    EXPECT_TRUE(file.found);
    EXPECT_EQ(file.logFolder, "/opt/sentrel/reports/logs");
    set("srwsProviderType", 0);
    EXPECT_EQ(ServiceSettings::load(root).problem, "the PostgreSQL server is not set");
    set("srwsServer", "/run/postgresql");
    EXPECT_EQ(ServiceSettings::load(root).problem, "the database name is not set");
}
