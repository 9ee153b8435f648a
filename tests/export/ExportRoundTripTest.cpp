#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSet>

#include "detect/BrowserObj.h"
#include "document/Document.h"
#include "export/BddVersion.h"
#include "export/BddWriter.h"
#include "support/TempDir.h"

namespace sentrel::exporting {
namespace {

const QString kSampleDefinitions = QStringLiteral(SENTREL_DATA_DIR "/maindefs.bdf");

struct Expected {
    const char* agent;
    const char* entry;
};

const Expected kAgents[] = {
    {"Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
     "Chrome/131.0.0.0 Safari/537.36",
     "chrome131"},
    {"Mozilla/5.0 (X11; Linux x86_64; rv:133.0) Gecko/20100101 Firefox/133.0", "firefox133"},
    {"Mozilla/5.0 (iPhone; CPU iPhone OS 18_1 like Mac OS X) AppleWebKit/605.1.15 (KHTML, like "
     "Gecko) Version/18.1 Mobile/15E148 Safari/604.1",
     "mobilesafari18"},
    {"Mozilla/5.0 (compatible; Googlebot/2.1; +http://www.google.com/bot.html)", "googlebot2"},
};

// The properties some filter sets: their detected value may differ from the entry's.
QSet<QString> filteredProperties(doc::Document& document) {
    QSet<QString> names;
    const doc::FiltersArray& filters = document.FiltersArray();
    for (int i = 0; i < filters.Count(); ++i) {
        names.insert(filters[i].text(QStringLiteral("propToSet")).toLower());
    }
    return names;
}

class ExportRoundTrip : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!QFile::exists(kSampleDefinitions)) GTEST_SKIP() << "no sample definitions";
        document = doc::Document::load(kSampleDefinitions);
    }

    sentrel::test::TempDir dir;
    std::unique_ptr<doc::Document> document;
};

TEST_F(ExportRoundTrip, DetectionLibraryFindsTheEntriesWithTheirValues) {
    const QString bdd = dir.file("maindefs.bdd");
    BddWriter(BddVersion::of(*document)).writeFile(*document, bdd);
    detect::BrowserObj browser;
    browser.DataFile(bdd.toStdString());
    const QSet<QString> filtered = filteredProperties(*document);

    for (const Expected& expected : kAgents) {
        SCOPED_TRACE(expected.agent);
        browser.Initialize(expected.agent);
        ASSERT_EQ(browser.InternalName(), expected.entry);
        const doc::TypeObject& entry = document->Path(expected.entry);
        EXPECT_EQ(QString::fromStdString(browser.value("i__matchString")),
                  entry.Path("i__userAgent"));
        EXPECT_EQ(QString::fromStdString(browser.value("i__description")),
                  entry.Path("i__description"));
        for (const QString& property : BddWriter::userProperties(*document)) {
            if (filtered.contains(property.toLower())) continue;
            EXPECT_EQ(QString::fromStdString(browser.value(property.toStdString())),
                      entry.Path(property))
                << property.toStdString();
        }
    }
    browser.Initialize(kAgents[3].agent);
    EXPECT_EQ(browser.value("Crawler"), "True");
    EXPECT_EQ(browser.definitions()->content().info.version,
              BddVersion::of(*document).versionText().toStdString());
}

// The installed programs: sentrel-bdf writes the BDD, sentrel-detect reads it.
TEST_F(ExportRoundTrip, CommandLinePrograms) {
    const QString copy = dir.file("defs.bdf");
    ASSERT_TRUE(QFile::copy(kSampleDefinitions, copy));
    QProcess bdf;
    bdf.start(SENTREL_BDF_BINARY, {"export", copy});
    ASSERT_TRUE(bdf.waitForFinished());
    EXPECT_EQ(bdf.exitCode(), 0) << bdf.readAllStandardError().toStdString();
    ASSERT_TRUE(QFile::exists(dir.file("defs.bdd")));

    QProcess detect;
    detect.start(SENTREL_DETECT_BINARY,
                 {"--property", "i__name", dir.file("defs.bdd"), kAgents[0].agent});
    ASSERT_TRUE(detect.waitForFinished());
    EXPECT_TRUE(detect.readAllStandardOutput().contains("chrome131"));

    bdf.start(SENTREL_BDF_BINARY, {"decode", dir.file("defs.bdd")});
    ASSERT_TRUE(bdf.waitForFinished());
    EXPECT_EQ(bdf.exitCode(), 0);
    EXPECT_TRUE(bdf.readAllStandardOutput().startsWith("<?xml version=\"1.0\"?>\r\n"));

    bdf.start(SENTREL_BDF_BINARY, {"export", dir.file("absent.bdf")});
    ASSERT_TRUE(bdf.waitForFinished());
    EXPECT_EQ(bdf.exitCode(), 1);
    EXPECT_FALSE(bdf.readAllStandardError().isEmpty());
    EXPECT_FALSE(QFile::exists(dir.file("absent.bdd")));
}

}  // namespace
}  // namespace sentrel::exporting
