#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "BddText.h"
#include "detect/BddReader.h"
#include "detect/DetectError.h"
#include "detect/Scramble.h"
#include "support/TempDir.h"

using namespace sentrel::detect;
using sentrel::detect::test::BddText;

namespace {

BddText sample() {
    BddText bdd;
    bdd.property("Browser").property("Majorver", 1).property("Cookies", 2).property("Ver", 3);
    bdd.entry("DefaultBrowser", "", "None",
              {{"Browser", "Default"}, {"Majorver", "0"}, {"Cookies", "False"}, {"Ver", "0"}},
              "Unknown browser");
    bdd.entry("Fx120", "Mozilla/5.0*Firefox/120*", "Firefox",
              {{"Browser", "Firefox & <Co> \"quoted\""},
               {"Majorver", "120"},
               {"Cookies", "True"},
               {"Ver", "120.0"}},
              "Firefox 120");
    bdd.filter("Cookie", "lang", "Browser", "de*", "*", 2);
    bdd.info("2.05", "2026-03-01T10:00:00");
    return bdd;
}

// "number: description" of the error reading a file raises.
std::string errorOf(const std::string& path) {
    try {
        BddReader::readFile(path);
    } catch (const DetectError& error) {
        return std::to_string(error.number()) + ": " + error.description();
    }
    return "no error";
}

std::string errorTextOf(std::string_view bytes) {
    try {
        BddReader::readBytes(bytes, "x.bdd");
    } catch (const DetectError& error) {
        EXPECT_EQ(error.number(), -2147221503);  // 0x80040001
        return error.description();
    }
    return "no error";
}

}  // namespace

TEST(BddReader, ReadsEveryPartOfAScrambledFile) {
    const BddContent content = BddReader::readBytes(sample().scrambled(), "sample.bdd");
    ASSERT_EQ(content.properties.size(), 4u);
    EXPECT_EQ(content.properties[1].name, "Majorver");
    EXPECT_EQ(content.properties[0].type, PropertyType::Text);
    EXPECT_EQ(content.properties[1].type, PropertyType::Integer);
    EXPECT_EQ(content.properties[2].type, PropertyType::Boolean);
    EXPECT_EQ(content.properties[3].type, PropertyType::Single);

    ASSERT_EQ(content.entries.size(), 2u);
    const BrowserEntry& fx = content.entries[1];
    EXPECT_EQ(fx.name, "Fx120");
    EXPECT_EQ(fx.matchString, "Mozilla/5.0*Firefox/120*");
    EXPECT_EQ(fx.parent, "Firefox");
    EXPECT_EQ(fx.description, "Firefox 120");
    EXPECT_EQ(fx.values[0], "Firefox & <Co> \"quoted\"");  // entities decoded
    EXPECT_EQ(fx.values[2], "True");

    ASSERT_EQ(content.filters.size(), 1u);
    const FilterRule& filter = content.filters[0];
    EXPECT_EQ(filter.id, "K1");
    EXPECT_EQ(filter.priority, "2");
    EXPECT_EQ(filter.kind, FilterKind::Cookie);
    EXPECT_EQ(filter.dataField, "lang");
    EXPECT_EQ(filter.property, "Browser");
    EXPECT_EQ(filter.condition, "de*");
    EXPECT_EQ(filter.valueToSet, "*");
    EXPECT_EQ(content.info.version, "2.05");
    EXPECT_EQ(content.info.date, "2026-03-01T10:00:00");
}

TEST(BddReader, PlainTextAndOldWritersAreAccepted) {
    EXPECT_EQ(BddReader::readBytes(sample().text(), "plain.bdd").entries.size(), 2u);
    std::string marked;
    ScrambleBytes("\xEF\xBB\xBF" + sample().text(), marked, true);
    EXPECT_EQ(BddReader::readBytes(marked, "bom.bdd").entries.size(), 2u);
    // A writer that escapes only "&" leaves "<" and quotes alone in values.
    std::string text = sample().text();
    const std::string escaped = "Firefox &amp; &lt;Co&gt; &quot;quoted&quot;";
    text.replace(text.find(escaped), escaped.size(), "A < B & \"C\" &unknown; &#233;");
    const BddContent content = BddReader::readBytes(text, "old.bdd");
    EXPECT_EQ(content.entries[1].values[0], "A < B & \"C\" &unknown; \xC3\xA9");
}

TEST(BddReader, MissingValuesAreInheritedAndUndeclaredPropertiesKept) {
    BddText bdd;
    bdd.property("Browser").property("Crawler", 2);
    bdd.entry("DefaultBrowser", "", "None", {{"Browser", "Default"}, {"Crawler", "False"}});
    bdd.entry("Bots", "", "DefaultBrowser", {{"Crawler", "True"}});
    bdd.entry("Googlebot", "*Googlebot*", "Bots", {{"Browser", "Googlebot"}, {"Extra", "x"}});
    bdd.entry("Loop", "", "Loop", {});
    const BddContent content = BddReader::readBytes(bdd.scrambled(), "inherit.bdd");
    ASSERT_EQ(content.properties.size(), 3u);
    EXPECT_EQ(content.properties[2].name, "Extra");
    EXPECT_EQ(content.entries[2].values, (std::vector<std::string>{"Googlebot", "True", "x"}));
    EXPECT_EQ(content.entries[1].values, (std::vector<std::string>{"Default", "True", ""}));
    EXPECT_EQ(content.entries[3].values, (std::vector<std::string>{"", "", ""}));
}

TEST(BddReader, BadFilesGiveClearErrors) {
    sentrel::test::TempDir dir;
    const std::string missing = dir.file("none.bdd").toStdString();
    EXPECT_EQ(errorOf(missing), "53: The data file \"" + missing + "\" does not exist.");
    EXPECT_EQ(
        errorOf(dir.path().toStdString()),
        "75: Unable to read the data file \"" + dir.path().toStdString() + "\": Is a directory.");

    const std::string notBdd = "The file \"x.bdd\" is not a browser definition data file (BDD)";
    const std::string damaged = notBdd + ". The data file is damaged: ";
    EXPECT_EQ(errorTextOf(""), notBdd + ": it is empty.");
    EXPECT_EQ(errorTextOf("garbage that is no BDD at all"),
              notBdd + ": it does not hold the scrambled XML text of one.");
    const std::string text = sample().text();
    EXPECT_EQ(errorTextOf(text.substr(0, text.find("<filter"))),
              damaged + "the file ends before </BrowserInfo> (line 47).");
    const std::string half = errorTextOf(text.substr(0, text.size() / 2));
    EXPECT_EQ(half.substr(0, damaged.size()), damaged);
    EXPECT_NE(half.find(" (line "), std::string::npos) << half;
    EXPECT_EQ(errorTextOf("<?xml version=\"1.0\"?>\r\n<Other/>"),
              damaged + "the document does not start with <BrowserInfo> (line 2).");
    EXPECT_EQ(errorTextOf("<?xml?><BrowserInfo><Property><type>1</type></Property>"),
              damaged + "a property has no name (line 1).");
    EXPECT_EQ(errorTextOf("<?xml?>\n<BrowserInfo>\n<!-- open"),
              damaged + "unterminated comment (line 3).");
}

TEST(BddReader, DamagedTextNeverCrashesOrEscapesAsAnotherError) {
    const std::string text = sample().text();
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = text;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits; ++e) {
            const size_t at = random() % damaged.size();
            switch (random() % 3) {
                case 0:
                    damaged[at] = static_cast<char>(random() % 256);
                    break;
                case 1:
                    damaged.erase(at, random() % 20);
                    break;
                default:
                    damaged.insert(at, 1, "<>&\"/="[random() % 6]);
                    break;
            }
        }
        try {
            BddReader::readBytes(damaged, "damaged.bdd");
        } catch (const DetectError& error) {
            EXPECT_EQ(error.number(), -2147221503);  // 0x80040001
        }
    }
}
