#include <gtest/gtest.h>

#include <set>

#include "ExportFixture.h"
#include "detect/BddReader.h"
#include "detect/Scramble.h"
#include "document/Vocabulary.h"
#include "export/BddWriter.h"

namespace sentrel::exporting {
namespace {

using test::addFilter;
using test::addType;
using test::linesOf;

const BddVersion kVersion{2, 5, test::kStamp};

QByteArray textOf(doc::Document& document, const BddVersion& version = kVersion) {
    return BddWriter(version).text(document);
}

detect::BddContent readBack(const QByteArray& text) {
    return detect::BddReader::readBytes(std::string_view(text.constData(), text.size()), "test");
}

const detect::BrowserEntry* entryNamed(const detect::BddContent& content, const std::string& name) {
    for (const auto& entry : content.entries) {
        if (entry.name == name) return &entry;
    }
    return nullptr;
}

std::string valueOf(const detect::BddContent& content, const detect::BrowserEntry& entry,
                    const std::string& property) {
    for (size_t i = 0; i < content.properties.size(); ++i) {
        if (content.properties[i].name == property) return entry.values.at(i);
    }
    return "<no such property>";
}

TEST(BddWriter, BlankDocumentGivesTheWholeLayout) {
    const auto document = test::blankDocument();
    const QByteArray text = textOf(*document);
    ASSERT_TRUE(text.endsWith("</BrowserInfo>\r\n"));
    EXPECT_EQ(text.count("\r\n"), text.count('\n')) << "every line ends with CR LF";

    const QStringList lines = linesOf(text);
    EXPECT_EQ(lines.mid(0, 3), (QStringList{"<?xml version=\"1.0\"?>", "", "<!--"}));
    for (int notice : {3, 4, 5, 6, 7, 9}) {
        EXPECT_FALSE(lines[notice].isEmpty()) << notice;
        EXPECT_FALSE(lines[notice].contains("--")) << lines[notice].toStdString();
    }
    EXPECT_EQ(lines[8], "");
    EXPECT_EQ(lines.mid(10, 3), (QStringList{"", "-->", ""}));
    EXPECT_TRUE(lines[13].startsWith("<!-- ") && lines[13].endsWith(" -->"));
    EXPECT_EQ(lines.mid(14, 5), (QStringList{"", "<BrowserInfo>", "<Property name=\"majorver\">",
                                             "<type>1</type>", "</Property>"}));
    EXPECT_EQ(
        lines.mid(lines.size() - 5),
        (QStringList{"<BDDInfo>", "<BDDVersion>2.05</BDDVersion>",
                     "<BDDDate>2026-03-04T05:06:07</BDDDate>", "</BDDInfo>", "</BrowserInfo>"}));

    const detect::BddContent content = readBack(text);
    EXPECT_EQ(content.properties.size(), 6u);  // the version properties
    ASSERT_EQ(content.entries.size(), 1u);
    EXPECT_EQ(content.entries[0].name, "DefaultBrowser");
    EXPECT_EQ(content.entries[0].parent, "None");
    EXPECT_TRUE(content.filters.empty());
    EXPECT_EQ(content.info.version, "2.05");
}

TEST(BddWriter, ExportsDifferOnlyInTheFillerWhichNeverHoldsMarkup) {
    const auto document = test::blankDocument();
    const QStringList first = linesOf(textOf(*document));
    std::set<QString> fillers;
    for (int run = 0; run < 40; ++run) {
        QStringList lines = linesOf(textOf(*document));
        const QString filler = lines[13].mid(5, lines[13].size() - 9);
        EXPECT_GE(filler.size(), 10);
        EXPECT_LE(filler.size(), 250);
        for (const QChar c : filler) {
            EXPECT_TRUE(c.unicode() >= 32 && c.unicode() <= 120) << int(c.unicode());
            EXPECT_FALSE(c == u'<' || c == u'>' || c == u'-') << filler.toStdString();
        }
        fillers.insert(filler);
        lines[13] = first[13];
        EXPECT_EQ(lines, first);
    }
    EXPECT_GT(fillers.size(), 30u);
}

TEST(BddWriter, EscapesMarkupInNamesValuesAndFiltersAndReadsBackUnchanged) {
    const auto document = test::blankDocument();
    document->DefaultBrowser().AddParameter("Note", "String");
    addType(*document, "tricky", "DefaultBrowser", "0", "Fish & Chips <beta>", "*a&b<c>*")
        .SetParamDefValue("Note", "x && y \"quoted\" </Note>");
    addFilter(*document, 3, 1, "Note", "*<&>*", "a&b", "session\"id&x");
    const QByteArray text = textOf(*document);

    EXPECT_TRUE(text.contains("<desc>Fish &amp; Chips &lt;beta&gt;</desc>"));
    EXPECT_TRUE(text.contains("<Note>x &amp;&amp; y \"quoted\" &lt;/Note&gt;</Note>"));
    EXPECT_TRUE(text.contains("  <condition>*&lt;&amp;&gt;*</condition>"));

    const detect::BddContent content = readBack(text);
    const detect::BrowserEntry* entry = entryNamed(content, "tricky");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->description, "Fish & Chips <beta>");
    EXPECT_EQ(entry->matchString, "*a&b<c>*");
    EXPECT_EQ(valueOf(content, *entry, "Note"), "x && y \"quoted\" </Note>");
    ASSERT_EQ(content.filters.size(), 1u);
    EXPECT_EQ(content.filters[0].condition, "*<&>*");
    EXPECT_EQ(content.filters[0].valueToSet, "a&b");
    EXPECT_EQ(content.filters[0].dataField, "session\"id&x");
}

TEST(BddWriter, WritesEntriesOnlyWithTheirParentsAndValuesInUtf8) {
    const auto document = test::blankDocument();
    document->DefaultBrowser().AddParameter("Browser", "String");
    addType(*document, "desk", "DefaultBrowser", "2", "Desktop");
    addType(*document, "gone", "desk", "-1", "Gone", "*Gone*");
    addType(*document, "fx", "desk", "0", "Firefox", "*Firefox/*")
        .SetParamDefValue("Browser", QStringLiteral("Navigateur \u00e9 \u20ac"));
    const QByteArray text = textOf(*document);
    EXPECT_TRUE(text.contains("<Browser>Navigateur \xc3\xa9 \xe2\x82\xac</Browser>"));

    const detect::BddContent content = readBack(text);
    ASSERT_EQ(content.entries.size(), 2u);  // the root and "fx"; no folder, deleted or data type
    EXPECT_EQ(content.entries[1].name, "fx");
    EXPECT_EQ(content.entries[1].parent, "desk");
    EXPECT_EQ(content.entries[1].matchString, "*Firefox/*");
    EXPECT_EQ(valueOf(content, content.entries[1], "Browser"), "Navigateur \xc3\xa9 \xe2\x82\xac");
}

TEST(BddWriter, TextLargerThanTheFirstBufferStaysWhole) {
    const auto document = test::blankDocument();
    document->DefaultBrowser().AddParameter("Browser", "String");
    for (int i = 0; i < 3000; ++i) {
        addType(*document, QStringLiteral("b%1").arg(i), "DefaultBrowser", "0", "B")
            .SetParamDefValue("Browser", QStringLiteral("%1").arg(i, 200, 10, QChar(u'x')));
    }
    const QByteArray text = textOf(*document);
    ASSERT_GT(text.size(), 2 * 300001);
    const detect::BddContent content = readBack(text);
    ASSERT_EQ(content.entries.size(), 3001u);
    EXPECT_EQ(valueOf(content, content.entries[3000], "Browser"), std::string(196, 'x') + "2999");
}

TEST(BddWriter, PropertyBlocksCarryTypeCodesAndLeaveSystemPropertiesOut) {
    const auto document = test::blankDocument();
    doc::TypeObject& root = document->DefaultBrowser();
    for (const char* type : {"Integer", "Boolean", "Single", "Double", "DateTime", "String"}) {
        root.AddParameter(QStringLiteral("p") + type, type);
    }
    root.AddParameter("I__x", "String");
    root.SetParamDefValue("I__x", "upper");
    const QByteArray text = textOf(*document);
    EXPECT_FALSE(text.contains("i__")) << "system properties are neither blocks nor fields";
    EXPECT_TRUE(text.contains("<I__x>upper</I__x>"));

    std::string codes;
    for (const auto& property : readBack(text).properties) {
        codes += property.name + "=" + std::to_string(static_cast<int>(property.type)) + " ";
    }
    EXPECT_EQ(codes,
              "majorver=1 minorver=1 minorverlet=4 version=3 fullversion=4 versionpos=1 "
              "pInteger=1 pBoolean=2 pSingle=3 pDouble=4 pDateTime=4 pString=4 I__x=4 ");
}

TEST(BddWriter, FilterBlocksNumberAndKind) {
    const auto document = test::blankDocument();
    addFilter(*document, 0, 0, "Crawler", "*bot*", "True");
    addFilter(*document, 12, 2, "Language", "?*", "*", "HTTP_ACCEPT_LANGUAGE");
    addFilter(*document, 13, 7, "Crawler", "x", "False");
    const QStringList lines = linesOf(textOf(*document));
    const qsizetype first = lines.indexOf("<filter id=\"K\">");
    ASSERT_GE(first, 0);
    EXPECT_EQ(lines.mid(first + 1, 7),
              (QStringList{"  <priority>10</priority>", "  <property>Crawler</property>",
                           "  <condition>*bot*</condition>", "  <valueToSet>True</valueToSet>",
                           "  <type>UA</type>", "  <dataField></dataField>", "</filter>"}));
    EXPECT_EQ(lines[first + 8], "<filter id=\"K12\">");
    EXPECT_EQ(lines[first + 13], "  <type>ENV</type>");
    EXPECT_EQ(lines.indexOf("<filter id=\"K13\">") + 5, lines.indexOf("  <type></type>"));
}

TEST(BddWriter, ScramblesByteIWithKeyEntryIMod253) {
    const auto document = test::blankDocument();
    const QByteArray text = textOf(*document);
    QByteArray scrambled;
    ASSERT_EQ(BddWriter::scramble(text, scrambled), 0);
    ASSERT_EQ(scrambled.size(), text.size());
    detect::ScrambleKey key;
    detect::BuildScrambleKey(key);
    for (int i : {0, 1, 252, 253, 254, 505, 506}) {
        const int keyEntry = key[i % 253] & 0xff;
        EXPECT_EQ(static_cast<unsigned char>(scrambled[i]),
                  static_cast<unsigned char>(text[i]) ^ keyEntry)
            << "byte " << i;
    }
    EXPECT_EQ(readBack(scrambled).entries.size(), 1u);
}

}  // namespace
}  // namespace sentrel::exporting
