#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QSet>
#include <map>

#include "UapCoreCases.h"
#include "app/bdf/InspectCommands.h"
#include "detect/Pattern.h"
#include "document/Document.h"
#include "document/Vocabulary.h"
#include "support/TempDir.h"

namespace sentrel {
namespace {

const QDir kData(QStringLiteral(SENTREL_DATA_DIR));

std::unique_ptr<doc::Document> loadData(const QString& name) {
    return doc::Document::load(kData.filePath(name));
}

bool isEntry(doc::TypeObject& type) {
    return mainMod::isBrowserType(type.Name()) && type.Name() != mainMod::kRootTypeName &&
           type.Path(mainMod::kTypeParam) == mainMod::kTypeBrowser;
}

// Longest-match detection over the browser entries of a document: the matching entry with
// the most literal characters, the earlier entry on a tie, else the root.
class EntryMatcher {
  public:
    explicit EntryMatcher(doc::Document& document) {
        for (const QString& name : document.types()) {
            doc::TypeObject& type = document.Path(name);
            if (!isEntry(type)) continue;
            entries_.push_back(
                {name, detect::Pattern(type.Path(mainMod::kUserAgentParam).toStdString())});
        }
    }

    QString detect(const QString& userAgent) const {
        const std::string text = userAgent.toStdString();
        const Entry* best = nullptr;
        for (const Entry& entry : entries_) {
            if (entry.pattern.matches(text) &&
                (!best || entry.pattern.literalCount() > best->pattern.literalCount())) {
                best = &entry;
            }
        }
        return best ? best->name : mainMod::kRootTypeName;
    }

  private:
    struct Entry {
        QString name;
        detect::Pattern pattern;
    };
    std::vector<Entry> entries_;
};

TEST(ShippedData, EveryDocumentLoads) {
    const QStringList files = kData.entryList({"*.bdf", "*.dtl"}, QDir::Files, QDir::Name);
    EXPECT_EQ(files, QStringList({"intdata.dtl", "intmpl.bdf", "maindefs.bdf"}));
    for (const QString& file : files) {
        EXPECT_NO_THROW(loadData(file)) << file.toStdString();
    }
    EXPECT_EQ(loadData("intdata.dtl")->lru().bdfName.Count(), 0);
    EXPECT_TRUE(QFile::exists(kData.filePath("whatsnew.txt")));
}

TEST(ShippedData, TemplateIsBlankAtStructureThree) {
    const auto document = loadData("intmpl.bdf");
    const bdf::DocumentSummary summary = bdf::summarize(*document);
    EXPECT_EQ(summary.structure, 3);
    EXPECT_EQ(summary.version, "1.00");
    EXPECT_EQ(summary.browserTypes, 1);  // the root alone
    EXPECT_EQ(summary.folders + summary.filters, 0);

    QStringList expected = mainMod::systemPropertyNames() + mainMod::versionPropertyNames();
    EXPECT_EQ(document->DefaultBrowser().Parameters(), expected);
    EXPECT_EQ(document->Path("Filters").enumerate().size(), 7);
    EXPECT_EQ(document->FiltersArray().Count(), 0);
}

// Every value the sample definitions hold passes the editor's own value check, every entry
// has a pattern and a unique description, and each data type and filter kind is used.
TEST(ShippedData, SampleDefinitionsAreConsistent) {
    const auto document = loadData("maindefs.bdf");
    const bdf::DocumentSummary summary = bdf::summarize(*document);
    EXPECT_EQ(summary.structure, 3);
    EXPECT_GE(summary.browserTypes, 60);
    EXPECT_GE(summary.folders, 4);
    EXPECT_GE(summary.userProperties, 28);

    doc::TypeObject& root = document->DefaultBrowser();
    QSet<QString> dataTypes;
    for (const QString& parameter : root.Parameters()) {
        dataTypes << root.GetPropertyType(parameter);
        EXPECT_TRUE(mainMod::isValidPropertyName(parameter)) << parameter.toStdString();
    }
    EXPECT_EQ(dataTypes, QSet<QString>(mainMod::dataTypeDisplayNames().begin(),
                                       mainMod::dataTypeDisplayNames().end()));

    QSet<QString> descriptions;
    for (const QString& name : document->types()) {
        if (!mainMod::isBrowserType(name)) continue;
        doc::TypeObject& type = document->Path(name);
        const QString description = type.Path(mainMod::kDescriptionParam).toLower();
        EXPECT_FALSE(descriptions.contains(description)) << description.toStdString();
        descriptions << description;
        EXPECT_EQ(isEntry(type) || name == mainMod::kRootTypeName,
                  !type.Path(mainMod::kUserAgentParam).isEmpty() || name == mainMod::kRootTypeName)
            << name.toStdString();
        for (const QString& parameter : root.Parameters()) {
            EXPECT_TRUE(mainMod::isValidValue(type.Path(parameter), root.GetPropertyType(parameter),
                                              QLocale::c()))
                << name.toStdString() << "." << parameter.toStdString();
        }
    }

    QSet<int> kinds;
    const doc::FiltersArray& filters = document->FiltersArray();
    for (int i = 0; i < filters.Count(); ++i) {
        kinds << filters[i].number("filterType");
        const QString property = filters[i].text("propToSet");
        EXPECT_TRUE(root.hasParameter(property)) << property.toStdString();
        EXPECT_GT(filters[i].number("priority"), i > 0 ? filters[i - 1].number("priority") : 0);
    }
    EXPECT_EQ(kinds, QSet<int>({0, 1, 2, 3}));
}

TEST(ShippedData, KnownUserAgentsFindTheirEntry) {
    const auto document = loadData("maindefs.bdf");
    const EntryMatcher matcher(*document);
    const std::pair<const char*, const char*> cases[] = {
        {"Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
         "Chrome/131.0.0.0 Safari/537.36",
         "chrome131"},
        {"Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/537.36 (KHTML, like Gecko) "
         "Chrome/124.0.0.0 Safari/537.36",
         "chrome124"},
        {"Mozilla/5.0 (X11; CrOS x86_64 14541.0.0) AppleWebKit/537.36 (KHTML, like Gecko) "
         "Chrome/127.0.0.0 Safari/537.36",
         "chrome127"},
        {"Mozilla/5.0 (Windows NT 6.1; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
         "Chrome/109.0.0.0 Safari/537.36",
         "chromeother"},
        {"Mozilla/5.0 (Linux; Android 10; K) AppleWebKit/537.36 (KHTML, like Gecko) "
         "Chrome/131.0.0.0 Mobile Safari/537.36",
         "chromeandroid131"},
        {"Mozilla/5.0 (Linux; Android 10; K) AppleWebKit/537.36 (KHTML, like Gecko) "
         "Chrome/126.0.6478.122 Mobile Safari/537.36",
         "chromeandroidother"},
        {"Mozilla/5.0 (Linux; Android 4.0.4; Galaxy Nexus Build/IMM76B) AppleWebKit/535.19 "
         "(KHTML, like Gecko) Chrome/18.0.1025.133 Mobile Safari/535.19",
         "chromeandroidlegacy"},
        {"Mozilla/5.0 (Linux; Android 13; SM-X700) AppleWebKit/537.36 (KHTML, like Gecko) "
         "Chrome/126.0.0.0 Safari/537.36",
         "chromeandroidtablet"},
        {"Mozilla/5.0 (iPhone; CPU iPhone OS 17_2 like Mac OS X) AppleWebKit/605.1.15 (KHTML, "
         "like Gecko) CriOS/120.0.6099.119 Mobile/15E148 Safari/604.1",
         "chromeios"},
        {"Mozilla/5.0 (Windows NT 10.0; Win64; x64; rv:133.0) Gecko/20100101 Firefox/133.0",
         "firefox133"},
        {"Mozilla/5.0 (X11; Ubuntu; Linux x86_64; rv:109.0) Gecko/20100101 Firefox/115.0",
         "firefox115"},
        {"Mozilla/5.0 (Windows; U; Windows NT 5.1; en-US; rv:1.9.0.1) Gecko/2008070208 "
         "Firefox/3.0.1",
         "firefoxother"},
        {"Mozilla/5.0 (Android 14; Mobile; rv:133.0) Gecko/133.0 Firefox/133.0", "firefoxandroid"},
        {"Mozilla/5.0 (iPhone; CPU iPhone OS 17_2 like Mac OS X) AppleWebKit/605.1.15 (KHTML, "
         "like Gecko) FxiOS/121.0 Mobile/15E148 Safari/605.1.15",
         "firefoxios"},
        {"Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/605.1.15 (KHTML, like "
         "Gecko) Version/17.2.1 Safari/605.1.15",
         "safari17"},
        {"Mozilla/5.0 (Macintosh; Intel Mac OS X 10_13_6) AppleWebKit/605.1.15 (KHTML, like "
         "Gecko) Version/13.1.2 Safari/605.1.15",
         "safariother"},
        {"Mozilla/5.0 (iPhone; CPU iPhone OS 18_1 like Mac OS X) AppleWebKit/605.1.15 (KHTML, "
         "like Gecko) Version/18.1 Mobile/15E148 Safari/604.1",
         "mobilesafari18"},
        {"Mozilla/5.0 (iPad; CPU OS 16_6 like Mac OS X) AppleWebKit/605.1.15 (KHTML, like Gecko) "
         "Version/16.6 Mobile/15E148 Safari/604.1",
         "mobilesafari16"},
        {"Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
         "Chrome/131.0.0.0 Safari/537.36 Edg/131.0.0.0",
         "edge131"},
        {"Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
         "Chrome/120.0.0.0 Safari/537.36 Edg/120.0.2210.91",
         "edgeother"},
        {"Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
         "Chrome/70.0.3538.102 Safari/537.36 Edge/18.18362",
         "edgelegacy"},
        {"Mozilla/5.0 (Linux; Android 10; HD1913) AppleWebKit/537.36 (KHTML, like Gecko) "
         "Chrome/131.0.6778.39 Mobile Safari/537.36 EdgA/131.0.2903.50",
         "edgeandroid"},
        {"Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
         "Chrome/129.0.0.0 Safari/537.36 OPR/114.0.0.0",
         "opera114"},
        {"Mozilla/5.0 (Linux; Android 10; K) AppleWebKit/537.36 (KHTML, like Gecko) "
         "Chrome/119.0.0.0 Mobile Safari/537.36 OPR/79.1.4195.76505",
         "operaandroid"},
        {"Mozilla/5.0 (Linux; Android 14; SAMSUNG SM-S918B) AppleWebKit/537.36 (KHTML, like "
         "Gecko) SamsungBrowser/26.0 Chrome/122.0.0.0 Mobile Safari/537.36",
         "samsung26"},
        {"Mozilla/5.0 (Linux; Android 9; SAMSUNG SM-G960F) AppleWebKit/537.36 (KHTML, like "
         "Gecko) SamsungBrowser/10.1 Chrome/71.0.3578.99 Mobile Safari/537.36",
         "samsungother"},
        {"Mozilla/5.0 (compatible; Googlebot/2.1; +http://www.google.com/bot.html)", "googlebot"},
        {"Mozilla/5.0 AppleWebKit/537.36 (KHTML, like Gecko; compatible; Googlebot/2.1; "
         "+http://www.google.com/bot.html) Chrome/131.0.6778.69 Safari/537.36",
         "googlebot"},
        {"Mozilla/5.0 (Linux; Android 6.0.1; Nexus 5X Build/MMB29P) AppleWebKit/537.36 (KHTML, "
         "like Gecko) Chrome/131.0.6778.69 Mobile Safari/537.36 (compatible; Googlebot/2.1; "
         "+http://www.google.com/bot.html)",
         "googlebotsmartphone"},
        {"Googlebot-Image/1.0", "googlebotimage"},
        {"Mozilla/5.0 (compatible; bingbot/2.0; +http://www.bing.com/bingbot.htm)", "bingbot"},
        {"Mozilla/5.0 AppleWebKit/537.36 (KHTML, like Gecko; compatible; bingbot/2.0; "
         "+http://www.bing.com/bingbot.htm) Chrome/116.0.1938.76 Safari/537.36",
         "bingbot"},
        {"Mozilla/5.0 (compatible; Yahoo! Slurp; http://help.yahoo.com/help/us/ysearch/slurp)",
         "yahooslurp"},
        {"DuckDuckBot/1.1; (+http://duckduckgo.com/duckduckbot.html)", "duckduckbot"},
        {"Mozilla/5.0 (compatible; Baiduspider/2.0; +http://www.baidu.com/search/spider.html)",
         "baiduspider"},
        {"Mozilla/5.0 (compatible; YandexBot/3.0; +http://yandex.com/bots)", "yandexbot"},
        {"Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_5) AppleWebKit/605.1.15 (KHTML, like "
         "Gecko) Version/13.1.1 Safari/605.1.15 (Applebot/0.1; +http://www.apple.com/go/applebot)",
         "applebot"},
        {"facebookexternalhit/1.1 (+http://www.facebook.com/externalhit_uatext.php)",
         "facebookhit"},
        {"Twitterbot/1.0", "twitterbot"},
        {"Mozilla/5.0 (compatible; AhrefsBot/7.0; +http://ahrefs.com/robot/)", "ahrefsbot"},
        {"Mozilla/5.0 (compatible; SemrushBot/7~bl; +http://www.semrush.com/bot.html)",
         "semrushbot"},
        {"Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1)", "ie6"},
        {"Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 6.0)", "ie7"},
        {"Mozilla/4.0 (compatible; MSIE 8.0; Windows NT 6.1; Trident/4.0; SLCC2; .NET CLR "
         "2.0.50727)",
         "ie8"},
        {"Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; Trident/5.0)", "ie9"},
        {"Mozilla/5.0 (compatible; MSIE 10.0; Windows NT 6.2; Trident/6.0)", "ie10"},
        {"Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 6.1; Trident/7.0; SLCC2)", "ie11compat"},
        {"Mozilla/5.0 (Windows NT 6.1; Trident/7.0; rv:11.0) like Gecko", "ie11"},
        {"Mozilla/5.0 (Windows NT 10.0; WOW64; Trident/7.0; .NET4.0C; .NET4.0E; rv:11.0) like "
         "Gecko",
         "ie11"},
        {"Mozilla/4.7 [en] (WinNT; I)", "netscape4"},
        {"Mozilla/5.0 (Windows; U; Windows NT 5.0; en-US; rv:0.9.4) Gecko/20011128 "
         "Netscape6/6.2.1",
         "netscape6"},
        {"Mozilla/5.0 (Windows; U; Windows NT 5.1; en-US; rv:1.0.2) Gecko/20030208 "
         "Netscape/7.02",
         "netscape7"},
        {"Opera/9.80 (Windows NT 6.1; U; en) Presto/2.10.289 Version/12.16", "opera12"},
        {"Opera/9.64 (Windows NT 5.1; U; en) Presto/2.1.1", "opera9"},
        {"Opera/8.54 (Windows NT 5.1; U; en)", "opera8"},
        {"curl/8.5.0", "DefaultBrowser"},
        {"", "DefaultBrowser"},
    };
    for (const auto& [userAgent, entry] : cases) {
        EXPECT_EQ(matcher.detect(userAgent), entry) << userAgent;
    }
}

// uap-core families and major versions, and the entries or folders that should detect them;
// "" as the major stands for every version without an expectation of its own.
const std::map<std::pair<QString, QString>, QStringList>& uapExpectations() {
    static const std::map<std::pair<QString, QString>, QStringList> table = {
        {{"IE", "6"}, {"ie6"}},
        {{"IE", "7"}, {"ie7"}},
        {{"IE", "8"}, {"ie8"}},
        {{"IE", "9"}, {"ie9", "ie9compat"}},
        {{"IE", "10"}, {"ie10", "ie10compat"}},
        {{"IE", "11"}, {"ie11", "ie11compat"}},
        {{"Firefox", ""}, {"firefox"}},
        {{"Netscape", "6"}, {"netscape6"}},
        {{"Netscape", "7"}, {"netscape7"}},
        {{"Googlebot", ""}, {"googlebot", "googlebotsmartphone"}},
        {{"bingbot", ""}, {"bingbot"}},
        {{"Baiduspider", ""}, {"baiduspider"}},
        {{"YandexBot", ""}, {"yandexbot"}},
        {{"Yahoo! Slurp", ""}, {"yahooslurp"}},
        {{"Twitterbot", ""}, {"twitterbot"}},
        {{"SemrushBot", ""}, {"semrushbot"}},
        {{"Samsung Internet", ""}, {"samsung"}},
    };
    return table;
}

QStringList expectedEntries(const test::UapCase& uap) {
    const auto& table = uapExpectations();
    auto it = table.find({uap.family, uap.major});
    if (it == table.end()) it = table.find({uap.family, QString()});
    return it == table.end() ? QStringList() : it->second;
}

TEST(ShippedData, UapCoreUserAgentsFindTheirEntry) {
    const QDir uap(QStringLiteral("/usr/share/uap-core"));
    std::vector<test::UapCase> cases;
    for (const char* file : {"tests/test_ua.yaml", "test_resources/pgts_browser_list.yaml",
                             "test_resources/firefox_user_agent_strings.yaml"}) {
        const auto more = test::readUapCases(uap.filePath(file));
        cases.insert(cases.end(), more.begin(), more.end());
    }
    if (cases.empty()) GTEST_SKIP() << "uap-core test files are not installed";

    const auto document = loadData("maindefs.bdf");
    const EntryMatcher matcher(*document);
    int checked = 0;
    QStringList misses;
    for (const test::UapCase& uap : cases) {
        const QStringList expected = expectedEntries(uap);
        if (expected.isEmpty()) continue;
        ++checked;
        const QString found = matcher.detect(uap.userAgent);
        const bool hit = std::any_of(expected.begin(), expected.end(), [&](const QString& name) {
            return found == name || mainMod::isDescendant(name, found, *document);
        });
        if (!hit) {
            misses << QStringLiteral("%1 -> %2 (expected %3)")
                          .arg(uap.userAgent, found, expected.join(" or "));
        }
    }
    EXPECT_GT(checked, 1000);
    // Real user agents carry odd tokens; a few per hundred may fall to a broader entry.
    EXPECT_LE(misses.size(), checked / 50) << misses.join('\n').toStdString();
}

TEST(ShippedData, CheckRejectsTruncatedDefinitions) {
    const test::TempDir dir;
    const QByteArray content = test::TempDir::read(kData.filePath("maindefs.bdf"));
    for (const qsizetype length : {content.size() / 3, content.size() - 5}) {
        const QString path = dir.write("cut.bdf", content.left(length));
        QProcess process;
        process.start(SENTREL_BDF_BINARY, {"check", path});
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 1);
        const QString message = QString::fromUtf8(process.readAllStandardError());
        EXPECT_TRUE(message.startsWith(QStringLiteral("Error #%1: ").arg(doc::kErrDocumentDamaged)))
            << message.toStdString();
        EXPECT_TRUE(message.contains("cut.bdf")) << message.toStdString();
    }
}

}  // namespace
}  // namespace sentrel
