// The shipped BDD (data/maindefs.bdd) through the detection library: agents of every browser
// family, written for this test, get the browser, version, platform and device they are.
#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <QStringList>

#include "detect/BrowserObj.h"

namespace sentrel {
namespace {

struct Expectation {
    int line = 0;
    QStringList properties;  // from the header row
    QStringList values;
    QString userAgent;
};

// representative-agents.tsv: a header row of property names, then one row per agent with
// the expected values and the agent last.
std::vector<Expectation> readExpectations() {
    QFile table(QStringLiteral(SENTREL_TEST_DATA_DIR "/representative-agents.tsv"));
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    std::vector<Expectation> rows;
    QStringList header;
    int line = 0;
    while (!table.atEnd()) {
        const QStringList cells = QString::fromUtf8(table.readLine()).chopped(1).split(u'\t');
        ++line;
        if (cells.first().startsWith(u'#')) continue;
        if (header.isEmpty()) {
            header = cells.mid(0, cells.size() - 1);
            continue;
        }
        rows.push_back({line, header, cells.mid(0, header.size()), cells.value(header.size())});
    }
    return rows;
}

TEST(RepresentativeAgents, ShippedDefinitionsDetectEveryFamily) {
    const std::vector<Expectation> rows = readExpectations();
    ASSERT_GE(rows.size(), 60u);
    detect::BrowserObj browser;
    browser.DataFile(SENTREL_DATA_DIR "/maindefs.bdd");
    QSet<QString> browsers;
    for (const Expectation& row : rows) {
        browser.Initialize(row.userAgent.toStdString());
        for (qsizetype i = 0; i < row.properties.size(); ++i) {
            EXPECT_EQ(browser.value(row.properties[i].toStdString()), row.values[i].toStdString())
                << row.properties[i].toStdString() << " at line " << row.line << " ("
                << browser.InternalName() << "): " << row.userAgent.toStdString();
        }
        browsers << row.values.first();
    }
    for (const char* family :
         {"Chrome",         "Edge",       "Opera",   "Opera Mini", "Samsung Internet",
          "Yandex Browser", "Vivaldi",    "Firefox", "Safari",     "IE",
          "Android",        "UC Browser", "Puffin",  "Facebook",   "Instagram",
          "Googlebot",      "Bingbot",    "curl",    "Wget",       "Python Requests",
          "Go-http-client"}) {
        EXPECT_TRUE(browsers.contains(QLatin1String(family))) << family;
    }
}

// What the Hit Tester shows for a current Chrome on Windows: the entry's description and
// its version properties.
TEST(RepresentativeAgents, CurrentChromeOnWindowsIsItsOwnEntry) {
    detect::BrowserObj browser;
    browser.DataFile(SENTREL_DATA_DIR "/maindefs.bdd");
    browser.Initialize(
        "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
        "Chrome/143.0.0.0 Safari/537.36");
    EXPECT_EQ(browser.InternalName(), "chrome143");
    EXPECT_EQ(browser.value("i__description"), "Chrome 143");
    EXPECT_EQ(browser.value("i__parent"), "chrome");
    EXPECT_EQ(browser.value("version"), "143.0");
    EXPECT_EQ(browser.value("minorver"), "0");
    EXPECT_EQ(browser.value("Platform"), "Windows");
    EXPECT_EQ(browser.value("PlatformVersion"), "10.0");
    EXPECT_EQ(browser.value("Maker"), "Google");
    EXPECT_EQ(browser.value("RenderingEngine"), "Blink");
}

}  // namespace
}  // namespace sentrel
