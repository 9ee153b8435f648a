#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <map>

#include "app/bdf/ReadCommands.h"
#include "detect/BrowserObj.h"
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
    EXPECT_GE(summary.browserTypes, 1000);
    EXPECT_LE(summary.browserTypes, 5000);  // entries stay few enough to read and to load fast
    EXPECT_GE(summary.folders, 4);
    EXPECT_GE(summary.userProperties, 28);
    // The definitions carry their release date and version, not the time they were built.
    EXPECT_EQ(summary.version, "2.00");
    EXPECT_EQ(doc::internals::BDFLastUpdate(*document),
              QDateTime(QDate(2026, 12, 6), QTime(0, 0), Qt::UTC));

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
    QFile table(QStringLiteral(SENTREL_TEST_DATA_DIR "/known-user-agents.tsv"));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly | QIODevice::Text));
    int cases = 0;
    while (!table.atEnd()) {
        const QString line = QString::fromUtf8(table.readLine()).chopped(1);
        if (line.startsWith(u'#')) continue;
        const QString entry = line.section(u'\t', 0, 0);
        const QString userAgent = line.section(u'\t', 1);
        EXPECT_EQ(matcher.detect(userAgent).toStdString(), entry.toStdString())
            << userAgent.toStdString();
        ++cases;
    }
    EXPECT_GE(cases, 50);
}

// uap-core families (with a major version where it matters) and the entries or folders that
// should detect them.
const std::map<QString, QStringList> kUapExpectations = {
    {"IE 6", {"ie6"}},
    {"IE 7", {"ie7"}},
    {"IE 8", {"ie8"}},
    {"IE 9", {"ie9", "ie9compat"}},
    {"IE 10", {"ie10", "ie10compat"}},
    {"IE 11", {"ie11", "ie11compat"}},
    {"Firefox", {"firefox"}},
    {"Netscape 6", {"netscape6"}},
    {"Netscape 7", {"netscape7"}},
    {"Opera Mini", {"operamini"}},
    {"Googlebot", {"googlebot", "googlebotsmartphone"}},
    {"bingbot", {"bingbot"}},
    {"Baiduspider", {"baiduspider"}},
    {"YandexBot", {"yandexbot"}},
    {"Yahoo! Slurp", {"yahooslurp"}},
    {"Twitterbot", {"twitterbot"}},
    {"SemrushBot", {"semrushbot"}},
    {"Samsung Internet", {"samsung"}},
};

// The value of "key: 'text'" (quotes optional, '' for a quote) on a line of a uap-core file.
QString yamlValue(const QString& line, const char* key) {
    const QString text = line.trimmed().remove(QRegularExpression("^- "));
    if (!text.startsWith(QLatin1String(key) + u':')) return {};
    QString value = text.mid(int(strlen(key)) + 1).trimmed();
    if (value.startsWith(u'\'') && value.endsWith(u'\'')) value = value.mid(1).chopped(1);
    return value.replace(QLatin1String("''"), QLatin1String("'"));
}

// User agents of a uap-core file with the entries expected to detect them.
std::vector<std::pair<QString, QStringList>> uapCases(const QString& path) {
    std::vector<std::pair<QString, QStringList>> cases;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return cases;
    QString userAgent, family;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine());
        if (line.contains("user_agent_string:")) userAgent = yamlValue(line, "user_agent_string");
        if (line.contains("family:")) family = yamlValue(line, "family");
        if (!line.contains("major:")) continue;
        const QString major = yamlValue(line, "major");
        auto it = kUapExpectations.find(family + u' ' + major);
        if (it == kUapExpectations.end()) it = kUapExpectations.find(family);
        if (it != kUapExpectations.end()) cases.emplace_back(userAgent, it->second);
    }
    return cases;
}

TEST(ShippedData, UapCoreUserAgentsFindTheirEntry) {
    const QDir uap(QStringLiteral("/usr/share/uap-core"));
    std::vector<std::pair<QString, QStringList>> cases;
    for (const char* file : {"tests/test_ua.yaml", "test_resources/pgts_browser_list.yaml",
                             "test_resources/firefox_user_agent_strings.yaml"}) {
        const auto more = uapCases(uap.filePath(file));
        cases.insert(cases.end(), more.begin(), more.end());
    }
    if (cases.empty()) GTEST_SKIP() << "uap-core test files are not installed";

    // The shipped BDD of these definitions, through the detection library.
    const auto document = loadData("maindefs.bdf");
    detect::BrowserObj browser;
    browser.DataFile(kData.filePath("maindefs.bdd").toStdString());
    QStringList misses;
    for (const auto& [userAgent, expected] : cases) {
        browser.Initialize(userAgent.toStdString());
        const QString found = QString::fromStdString(browser.InternalName());
        const bool hit = std::any_of(expected.begin(), expected.end(), [&](const QString& name) {
            return found == name || mainMod::isDescendant(name, found, *document);
        });
        if (!hit)
            misses << QStringLiteral("%1 -> %2 (expected %3)")
                          .arg(userAgent, found, expected.join(" or "));
    }
    EXPECT_GT(cases.size(), 1000u);
    // Real user agents carry odd tokens; a few per hundred may fall to a broader entry.
    EXPECT_LE(misses.size(), qsizetype(cases.size() / 50)) << misses.join('\n').toStdString();
}

// Customisations and merge files find types by name and filters by uId, so every type and
// filter of the previous release is still there, each filter setting the same property.
TEST(ShippedData, NamesAndFilterIdsOfThePreviousReleaseStay) {
    const auto document = loadData("maindefs.bdf");
    // The types of the previous release.
    const QStringList names =
        QStringLiteral(
            "ahrefsbot applebot baiduspider bingbot chrome chrome124 chrome125 chrome126 "
            "chrome127 chrome128 chrome129 chrome130 chrome131 chromeandroid130 "
            "chromeandroid131 chromeandroidlegacy chromeandroidother chromeandroidtablet "
            "chromeios chromemobile chromeother crawlers desktop duckduckbot edge edge128 "
            "edge129 edge130 edge131 edgeandroid edgelegacy edgeother facebookhit firefox "
            "firefox115 firefox128 firefox130 firefox131 firefox132 firefox133 "
            "firefoxandroid firefoxios firefoxmobile firefoxother googlebot googlebotimage "
            "googlebotsmartphone ie ie10 ie10compat ie11 ie11compat ie6 ie7 ie8 ie8compat "
            "ie9 ie9compat legacy mobile mobilesafari mobilesafari16 mobilesafari17 "
            "mobilesafari18 mobilesafariother netscape netscape4 netscape6 netscape7 opera "
            "opera113 opera114 opera115 opera12 opera8 opera9 operaandroid operaother "
            "operapresto othermobile safari safari15 safari16 safari17 safari18 safariother "
            "samsung samsung25 samsung26 samsung27 samsungother semrushbot twitterbot "
            "yahooslurp yandexbot")
            .split(u' ');
    for (const QString& name : names) {
        EXPECT_TRUE(document->hasType(name)) << name.toStdString();
    }
    const std::map<int, QString> previousFilters = {
        {1, "Platform"}, {2, "PlatformVersion"}, {3, "PlatformVersion"}, {4, "PlatformVersion"},
        {5, "Platform"}, {6, "Platform"},        {7, "Platform"},        {8, "Platform"},
        {9, "Platform"}, {10, "Platform"},       {11, "Tablet"},         {12, "Cookies"},
        {13, "SSL"},     {14, "MobileDevice"},   {15, "Language"},       {16, "ClientCertName"}};
    std::map<int, QString> shipped;
    const doc::FiltersArray& filters = document->FiltersArray();
    for (int i = 0; i < filters.Count(); ++i) {
        EXPECT_TRUE(shipped.emplace(filters[i].number("uId"), filters[i].text("propToSet")).second)
            << "uId " << filters[i].number("uId") << " is used twice";
    }
    for (const auto& [uId, property] : previousFilters) {
        EXPECT_EQ(shipped[uId].toStdString(), property.toStdString()) << "uId " << uId;
    }
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
        EXPECT_TRUE(message.startsWith(QStringLiteral("Error #1051: "))) << message.toStdString();
        EXPECT_TRUE(message.contains("cut.bdf")) << message.toStdString();
        EXPECT_TRUE(message.endsWith(" line: it is incomplete.\n")) << message.toStdString();
    }
}

}  // namespace
}  // namespace sentrel
