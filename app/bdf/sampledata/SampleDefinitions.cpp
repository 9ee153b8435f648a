#include "app/bdf/sampledata/SampleDefinitions.h"

#include <QString>
#include <vector>

#include "document/Document.h"
#include "document/Vocabulary.h"

namespace sentrel::bdf {

namespace {

using doc::Document;

struct Property {
    const char* name;
    const char* dataType;
    const char* rootValue;  // what a browser knows nothing better about
};

struct Value {
    const char* property;
    QString value;
};

// A folder (no pattern) or a browser entry. Folders carry the values their entries share;
// an entry's `version` ("124.0") fills the version properties.
struct Entry {
    QString name;
    const char* parent;
    QString description;
    QString pattern;
    QString version;
    const char* released;
    std::vector<Value> values;
};

struct Filter {
    int kind;  // 0 UA, 1 Cookie, 2 ENV, 3 Cert
    const char* dataField;
    const char* matchStr;
    const char* propToSet;
    const char* valToSet;
};

const char* const kTrue = "True";

// The user properties, in the order the property list shows them. The version properties
// come from the template and are only given values here.
const std::vector<Property>& properties() {
    static const std::vector<Property> list = {
        {"Browser", "String", "Unknown"},
        {"Maker", "String", ""},
        {"Platform", "String", "Unknown"},
        {"PlatformVersion", "Single", ""},
        {"RenderingEngine", "String", "Unknown"},
        {"DeviceType", "String", "Unknown"},
        {"Language", "String", ""},
        {"ClientCertName", "String", ""},
        {"Cookies", "Boolean", "False"},
        {"JavaScript", "Boolean", "False"},
        {"Frames", "Boolean", "False"},
        {"IFrames", "Boolean", "False"},
        {"Tables", "Boolean", "False"},
        {"MobileDevice", "Boolean", "False"},
        {"Tablet", "Boolean", "False"},
        {"Touchscreen", "Boolean", "False"},
        {"Crawler", "Boolean", "False"},
        {"ActiveXControls", "Boolean", "False"},
        {"VBScript", "Boolean", "False"},
        {"JavaApplets", "Boolean", "False"},
        {"SSL", "Boolean", "False"},
        {"Beta", "Boolean", "False"},
        {"CSSVersion", "Integer", "0"},
        {"HTMLVersion", "Integer", "0"},
        {"JavaScriptVersion", "Single", "0"},
        {"ReleaseDate", "DateTime", ""},
    };
    return list;
}

// Frames of the user agents most browsers send today.
const QString kBlink = QStringLiteral("Mozilla/5.0 (*) AppleWebKit/537.36 (KHTML, like Gecko) ");
const QString kAnyWebKit = QStringLiteral("Mozilla/5.0 (*) AppleWebKit/* (KHTML, like Gecko) ");
const QString kAndroid =
    QStringLiteral("Mozilla/5.0 (Linux; Android *) AppleWebKit/537.36 (KHTML, like Gecko) ");
const QString kAnyAndroid =
    QStringLiteral("Mozilla/5.0 (Linux; Android *) AppleWebKit/* (KHTML, like Gecko) ");
const QString kIos = QStringLiteral("Mozilla/5.0 (i*) AppleWebKit/* (KHTML, like Gecko) ");
const QString kMac =
    QStringLiteral("Mozilla/5.0 (Macintosh; *) AppleWebKit/605.1.15 (KHTML, like Gecko) ");
const QString kGoogleBot =
    QStringLiteral("(compatible; Googlebot/2.1; +http://www.google.com/bot.html)");

QString chrome(const char* major) {
    return kBlink + "Chrome/" + major + ".* Safari/537.36";
}
QString chromeAndroid(const char* major) {
    return kAndroid + "Chrome/" + major + ".* Mobile Safari/537.36";
}
QString firefox(const char* major) {
    return QStringLiteral("Mozilla/5.0 (*) Gecko/20100101 Firefox/") + major + ".*";
}
QString safari(const char* major) {
    return kMac + "Version/" + major + ".* Safari/605.1.15";
}
QString mobileSafari(const char* major) {
    return kIos + "Version/" + major + ".* Mobile/* Safari/*";
}
QString edge(const char* major) {
    return kBlink + "Chrome/* Safari/537.36 Edg/" + major + ".*";
}
QString opera(const char* major) {
    return kBlink + "Chrome/* Safari/537.36 OPR/" + major + ".*";
}
QString samsung(const char* major) {
    return kAndroid + "SamsungBrowser/" + major + ".* Chrome/* Mobile Safari/537.36";
}

// Values every current browser shares.
std::vector<Value> modernCapabilities(const char* deviceType) {
    return {{"DeviceType", deviceType},
            {"Cookies", kTrue},
            {"JavaScript", kTrue},
            {"Frames", kTrue},
            {"IFrames", kTrue},
            {"Tables", kTrue},
            {"SSL", kTrue},
            {"CSSVersion", "3"},
            {"HTMLVersion", "5"},
            {"JavaScriptVersion", "1.8"}};
}

std::vector<Value> with(std::vector<Value> values, std::vector<Value> more) {
    values.insert(values.end(), more.begin(), more.end());
    return values;
}

// The tables below keep one entry per row: name, parent, description, user-agent pattern,
// version, release date, then the entry's own values.
// clang-format off
std::vector<Entry> desktopBrowsers() {
    return {
        {"desktop", "DefaultBrowser", "Desktop browsers", "", "", "",
         modernCapabilities("Desktop")},
        {"chrome", "desktop", "Google Chrome", "", "", "",
         {{"Browser", "Chrome"}, {"Maker", "Google"}, {"RenderingEngine", "Blink"}}},
        {"chrome131", "chrome", "Chrome 131", chrome("131"), "131.0", "2024-11-12", {}},
        {"chrome130", "chrome", "Chrome 130", chrome("130"), "130.0", "2024-10-15", {}},
        {"chrome129", "chrome", "Chrome 129", chrome("129"), "129.0", "2024-09-17", {}},
        {"chrome128", "chrome", "Chrome 128", chrome("128"), "128.0", "2024-08-20", {}},
        {"chrome127", "chrome", "Chrome 127", chrome("127"), "127.0", "2024-07-23", {}},
        {"chrome126", "chrome", "Chrome 126", chrome("126"), "126.0", "2024-06-11", {}},
        {"chrome125", "chrome", "Chrome 125", chrome("125"), "125.0", "2024-05-14", {}},
        {"chrome124", "chrome", "Chrome 124", chrome("124"), "124.0", "2024-04-16", {}},
        {"chromeother", "chrome", "Chrome (other versions)",
         kAnyWebKit + "Chrome/* Safari/*", "", "", {}},
        {"firefox", "desktop", "Mozilla Firefox", "", "", "",
         {{"Browser", "Firefox"}, {"Maker", "Mozilla"}, {"RenderingEngine", "Gecko"}}},
        {"firefox133", "firefox", "Firefox 133", firefox("133"), "133.0", "2024-11-26", {}},
        {"firefox132", "firefox", "Firefox 132", firefox("132"), "132.0", "2024-10-29", {}},
        {"firefox131", "firefox", "Firefox 131", firefox("131"), "131.0", "2024-10-01", {}},
        {"firefox130", "firefox", "Firefox 130", firefox("130"), "130.0", "2024-09-03", {}},
        {"firefox128", "firefox", "Firefox 128 ESR", firefox("128"), "128.0", "2024-07-09", {}},
        {"firefox115", "firefox", "Firefox 115 ESR", firefox("115"), "115.0", "2023-07-04", {}},
        {"firefoxother", "firefox", "Firefox (other versions)",
         "Mozilla/5.0 (*Gecko*Firefox/*", "", "", {}},
        {"safari", "desktop", "Apple Safari", "", "", "",
         {{"Browser", "Safari"}, {"Maker", "Apple"}, {"RenderingEngine", "WebKit"}}},
        {"safari18", "safari", "Safari 18", safari("18"), "18.0", "2024-09-16", {}},
        {"safari17", "safari", "Safari 17", safari("17"), "17.0", "2023-09-18", {}},
        {"safari16", "safari", "Safari 16", safari("16"), "16.0", "2022-09-12", {}},
        {"safari15", "safari", "Safari 15", safari("15"), "15.0", "2021-09-20", {}},
        {"safariother", "safari", "Safari (other versions)",
         "Mozilla/5.0 (Macintosh; *) AppleWebKit/* (KHTML, like Gecko) Version/* Safari/*", "", "",
         {}},
        {"edge", "desktop", "Microsoft Edge", "", "", "",
         {{"Browser", "Edge"}, {"Maker", "Microsoft"}, {"RenderingEngine", "Blink"}}},
        {"edge131", "edge", "Edge 131", edge("131"), "131.0", "2024-11-14", {}},
        {"edge130", "edge", "Edge 130", edge("130"), "130.0", "2024-10-17", {}},
        {"edge129", "edge", "Edge 129", edge("129"), "129.0", "2024-09-19", {}},
        {"edge128", "edge", "Edge 128", edge("128"), "128.0", "2024-08-22", {}},
        {"edgeother", "edge", "Edge (other versions)",
         kAnyWebKit + "Chrome/* Safari/* Edg/*", "", "", {}},
        {"edgelegacy", "edge", "Edge Legacy (EdgeHTML)",
         kAnyWebKit + "Chrome/* Safari/* Edge/1#.*", "", "",
         {{"RenderingEngine", "EdgeHTML"}}},
        {"opera", "desktop", "Opera", "", "", "",
         {{"Browser", "Opera"}, {"Maker", "Opera"}, {"RenderingEngine", "Blink"}}},
        {"opera115", "opera", "Opera 115", opera("115"), "115.0", "2024-11-27", {}},
        {"opera114", "opera", "Opera 114", opera("114"), "114.0", "2024-10-23", {}},
        {"opera113", "opera", "Opera 113", opera("113"), "113.0", "2024-09-25", {}},
        {"operaother", "opera", "Opera (other versions)",
         kAnyWebKit + "Chrome/* Safari/* OPR/*", "", "", {}},
    };
}

std::vector<Entry> mobileBrowsers() {
    return {
        {"mobile", "DefaultBrowser", "Mobile browsers", "", "", "",
         with(modernCapabilities("Mobile"), {{"MobileDevice", kTrue}, {"Touchscreen", kTrue}})},
        {"chromemobile", "mobile", "Chrome for Android and iOS", "", "", "",
         {{"Browser", "Chrome"}, {"Maker", "Google"}, {"RenderingEngine", "Blink"},
          {"Platform", "Android"}}},
        {"chromeandroid131", "chromemobile", "Chrome 131 for Android",
         chromeAndroid("131"), "131.0", "2024-11-12", {}},
        {"chromeandroid130", "chromemobile", "Chrome 130 for Android",
         chromeAndroid("130"), "130.0", "2024-10-15", {}},
        {"chromeandroidother", "chromemobile", "Chrome for Android (other versions)",
         kAndroid + "Chrome/* Mobile Safari/537.36", "", "", {}},
        {"chromeandroidlegacy", "chromemobile", "Chrome for Android (older WebKit)",
         kAnyAndroid + "Chrome/* Mobile Safari/*", "", "", {}},
        {"chromeandroidtablet", "chromemobile", "Chrome on Android tablets",
         kAndroid + "Chrome/* Safari/537.36", "", "",
         {{"DeviceType", "Tablet"}, {"Tablet", kTrue}}},
        {"chromeios", "chromemobile", "Chrome for iOS",
         kIos + "CriOS/* Mobile/* Safari/*", "", "",
         {{"Platform", "iOS"}, {"RenderingEngine", "WebKit"}}},
        {"firefoxmobile", "mobile", "Firefox for Android and iOS", "", "", "",
         {{"Browser", "Firefox"}, {"Maker", "Mozilla"}}},
        {"firefoxandroid", "firefoxmobile", "Firefox for Android",
         "Mozilla/5.0 (Android*; Mobile; *) Gecko/* Firefox/*", "", "",
         {{"Platform", "Android"}, {"RenderingEngine", "Gecko"}}},
        {"firefoxios", "firefoxmobile", "Firefox for iOS",
         kIos + "FxiOS/* Mobile/* Safari/*", "", "",
         {{"Platform", "iOS"}, {"RenderingEngine", "WebKit"}}},
        {"mobilesafari", "mobile", "Safari on iPhone and iPad", "", "", "",
         {{"Browser", "Safari"}, {"Maker", "Apple"}, {"RenderingEngine", "WebKit"},
          {"Platform", "iOS"}}},
        {"mobilesafari18", "mobilesafari", "Mobile Safari 18",
         mobileSafari("18"), "18.0", "2024-09-16", {}},
        {"mobilesafari17", "mobilesafari", "Mobile Safari 17",
         mobileSafari("17"), "17.0", "2023-09-18", {}},
        {"mobilesafari16", "mobilesafari", "Mobile Safari 16",
         mobileSafari("16"), "16.0", "2022-09-12", {}},
        {"mobilesafariother", "mobilesafari", "Mobile Safari (other versions)",
         kIos + "Version/* Mobile/* Safari/*", "", "", {}},
        {"samsung", "mobile", "Samsung Internet", "", "", "",
         {{"Browser", "Samsung Internet"}, {"Maker", "Samsung"}, {"RenderingEngine", "Blink"},
          {"Platform", "Android"}}},
        {"samsung27", "samsung", "Samsung Internet 27", samsung("27"), "27.0", "2024-11-06", {}},
        {"samsung26", "samsung", "Samsung Internet 26", samsung("26"), "26.0", "2024-07-30", {}},
        {"samsung25", "samsung", "Samsung Internet 25", samsung("25"), "25.0", "2024-05-08", {}},
        {"samsungother", "samsung", "Samsung Internet (other versions)",
         kAnyWebKit + "SamsungBrowser/* Chrome/* Safari/*", "", "", {}},
        {"othermobile", "mobile", "Other mobile browsers", "", "", "",
         {{"RenderingEngine", "Blink"}, {"Platform", "Android"}}},
        {"edgeandroid", "othermobile", "Edge for Android",
         kAnyAndroid + "Chrome/* Mobile Safari/* EdgA/*", "", "",
         {{"Browser", "Edge"}, {"Maker", "Microsoft"}}},
        {"operaandroid", "othermobile", "Opera for Android",
         kAnyAndroid + "Chrome/* Mobile Safari/* OPR/*", "", "",
         {{"Browser", "Opera"}, {"Maker", "Opera"}}},
    };
}

// A crawler; one that renders pages runs their scripts as a browser would.
Entry crawler(const char* name, const char* description, QString pattern, const char* browser,
              const char* maker, bool rendersPages = false) {
    std::vector<Value> values = {{"Browser", browser}, {"Maker", maker}};
    if (rendersPages) values.push_back({"JavaScript", kTrue});
    return {name, "crawlers", description, std::move(pattern), "", "", values};
}

std::vector<Entry> crawlers() {
    return {
        {"crawlers", "DefaultBrowser", "Search engines and crawlers", "", "", "",
         {{"Crawler", kTrue}, {"DeviceType", "Crawler"}, {"Tables", kTrue}, {"Frames", kTrue}}},
        crawler("googlebot", "Googlebot", "*Googlebot*", "Googlebot", "Google", true),
        crawler("googlebotsmartphone", "Googlebot Smartphone",
                kAnyAndroid + "Chrome/* Mobile Safari/* " + kGoogleBot, "Googlebot", "Google",
                true),
        crawler("googlebotimage", "Googlebot Images", "Googlebot-Image/*", "Googlebot-Image",
                "Google"),
        crawler("bingbot", "Bingbot", "*bingbot*", "Bingbot", "Microsoft", true),
        crawler("yahooslurp", "Yahoo! Slurp", "*Yahoo! Slurp*", "Yahoo! Slurp", "Yahoo"),
        crawler("duckduckbot", "DuckDuckBot", "DuckDuckBot*", "DuckDuckBot", "DuckDuckGo"),
        crawler("baiduspider", "Baiduspider", "*Baiduspider*", "Baiduspider", "Baidu"),
        crawler("yandexbot", "YandexBot", "*YandexBot*", "YandexBot", "Yandex"),
        crawler("applebot", "Applebot",
                kAnyWebKit + "Version/* Safari/* (Applebot/*; +http://www.apple.com/go/applebot)",
                "Applebot", "Apple", true),
        crawler("facebookhit", "Facebook link preview", "facebookexternalhit/*",
                "facebookexternalhit", "Meta"),
        crawler("twitterbot", "Twitterbot", "Twitterbot/*", "Twitterbot", "X"),
        crawler("ahrefsbot", "AhrefsBot", "*AhrefsBot*", "AhrefsBot", "Ahrefs"),
        crawler("semrushbot", "SemrushBot", "*SemrushBot*", "SemrushBot", "Semrush"),
    };
}

// IE 6 to 10 announce themselves as "compatible; MSIE"; IE 9 and later as Mozilla 5.
Entry internetExplorer(const char* major, const char* released, const char* css) {
    const QLatin1String version(major);
    return {QStringLiteral("ie") + version, "ie", QStringLiteral("Internet Explorer ") + version,
            QStringLiteral("Mozilla/#.0 (compatible; MSIE %1.*").arg(version),
            QStringLiteral("%1.0").arg(version), released, {{"CSSVersion", css}}};
}

// IE 8 to 11 in compatibility view claim to be IE 7; their Trident token tells them apart.
Entry compatibilityView(const char* major, const char* trident) {
    const QLatin1String version(major);
    return {QStringLiteral("ie%1compat").arg(version), "ie",
            QStringLiteral("Internet Explorer %1 (compatibility view)").arg(version),
            QStringLiteral("Mozilla/4.0 (compatible; MSIE 7.0; *Trident/%1*").arg(trident),
            QStringLiteral("7.0"), "", {{"CSSVersion", "2"}}};
}

// Entries that stand for a range of versions carry the major version alone.
std::vector<Value> majorOnly(const char* version, std::vector<Value> values) {
    return with({{"majorver", version}, {"version", version}}, std::move(values));
}

std::vector<Entry> legacyBrowsers() {
    return {
        {"legacy", "DefaultBrowser", "Legacy browsers", "", "", "",
         {{"DeviceType", "Desktop"}, {"Cookies", kTrue}, {"JavaScript", kTrue},
          {"Frames", kTrue}, {"Tables", kTrue}, {"JavaApplets", kTrue}, {"HTMLVersion", "4"}}},
        {"ie", "legacy", "Internet Explorer", "", "", "",
         {{"Browser", "IE"}, {"Maker", "Microsoft"}, {"RenderingEngine", "Trident"},
          {"Platform", "Windows"}, {"IFrames", kTrue}, {"SSL", kTrue},
          {"ActiveXControls", kTrue}, {"VBScript", kTrue}, {"JavaScriptVersion", "1.3"}}},
        internetExplorer("6", "2001-08-27", "2"),
        internetExplorer("7", "2006-10-18", "2"),
        internetExplorer("8", "2009-03-19", "2"),
        internetExplorer("9", "2011-03-14", "3"),
        internetExplorer("10", "2012-10-26", "3"),
        {"ie11", "ie", "Internet Explorer 11",
         "Mozilla/5.0 (*Trident/7.0;*rv:11.0) like Gecko*", "11.0", "2013-10-17",
         {{"CSSVersion", "3"}, {"HTMLVersion", "5"}, {"JavaScriptVersion", "1.5"}}},
        compatibilityView("8", "4.0"),
        compatibilityView("9", "5.0"),
        compatibilityView("10", "6.0"),
        compatibilityView("11", "7.0"),
        {"netscape", "legacy", "Netscape", "", "", "",
         {{"Browser", "Netscape"}, {"Maker", "Netscape"}, {"RenderingEngine", "Gecko"}}},
        {"netscape4", "netscape", "Netscape Communicator 4", "Mozilla/4.[5-8]* (*)", "", "",
         majorOnly("4", {{"RenderingEngine", "Mozilla"}, {"CSSVersion", "1"}})},
        {"netscape6", "netscape", "Netscape 6", "*Netscape6/*", "", "",
         majorOnly("6", {{"IFrames", kTrue}, {"CSSVersion", "2"}})},
        {"netscape7", "netscape", "Netscape 7", "*Netscape/7.*", "", "",
         majorOnly("7", {{"IFrames", kTrue}, {"CSSVersion", "2"}})},
        {"operapresto", "legacy", "Opera (Presto)", "", "", "",
         {{"Browser", "Opera"}, {"Maker", "Opera"}, {"RenderingEngine", "Presto"},
          {"IFrames", kTrue}}},
        {"opera12", "operapresto", "Opera 10 to 12", "Opera/9.80 (*) Presto/* Version/1#.*", "",
         "", {{"CSSVersion", "3"}, {"SSL", kTrue}}},
        {"opera9", "operapresto", "Opera 9", "Opera/9.[0-6]#*", "", "",
         majorOnly("9", {{"CSSVersion", "2"}})},
        {"opera8", "operapresto", "Opera 7 and 8", "Opera/[78].*", "", "",
         {{"CSSVersion", "2"}}},
    };
}
// clang-format on

// User-agent filters run first-to-last, so later, narrower ones override earlier ones.
const std::vector<Filter>& filters() {
    static const std::vector<Filter> list = {
        {0, "", "*Windows*", "Platform", "Windows"},
        {0, "", "*Windows NT 10.0*", "PlatformVersion", "10.0"},
        {0, "", "*Windows NT 6.1*", "PlatformVersion", "6.1"},
        {0, "", "*Windows NT 5.1*", "PlatformVersion", "5.1"},
        {0, "", "*Macintosh*", "Platform", "macOS"},
        {0, "", "*Linux*", "Platform", "Linux"},
        {0, "", "*CrOS*", "Platform", "ChromeOS"},
        {0, "", "*Android*", "Platform", "Android"},
        {0, "", "*iPhone*", "Platform", "iOS"},
        {0, "", "*iPad*", "Platform", "iOS"},
        {0, "", "*iPad*", "Tablet", "True"},
        {1, "sentrel_cookie_check", "1", "Cookies", "True"},
        {2, "HTTPS", "on", "SSL", "True"},
        {2, "HTTP_SEC_CH_UA_MOBILE", "?1", "MobileDevice", "True"},
        {2, "HTTP_ACCEPT_LANGUAGE", "?*", "Language", "*"},
        {3, "SubjectCN", "?*", "ClientCertName", "*"},
    };
    return list;
}

constexpr int kPriorityStep = 10;

void declareProperties(Document& document) {
    doc::TypeObject& root = document.DefaultBrowser();
    for (const Property& property : properties()) {
        root.AddParameter(property.name, property.dataType);
        if (*property.rootValue) root.SetParamDefValue(property.name, property.rootValue);
    }
    for (const char* version : {"majorver", "minorver", "versionpos"}) {
        root.SetParamDefValue(version, QStringLiteral("0"));
    }
    root.SetParamDefValue(QStringLiteral("version"), QStringLiteral("0"));
}

void setVersion(doc::TypeObject& type, const QString& version) {
    const QStringList parts = version.split(u'.');
    type.SetParamDefValue(QStringLiteral("majorver"), parts.value(0));
    type.SetParamDefValue(QStringLiteral("minorver"), QString::number(parts.value(1).toInt()));
    type.SetParamDefValue(QStringLiteral("version"), version);
    type.SetParamDefValue(QStringLiteral("fullversion"), version);
}

void addEntry(Document& document, const Entry& entry, const QString& stamp) {
    doc::TypeObject& type = document.AddInheritedType(entry.name, entry.parent);
    const bool isFolder = entry.pattern.isEmpty();
    type.SetParamDefValue(mainMod::kDescriptionParam, entry.description);
    type.SetParamDefValue(mainMod::kUserAgentParam, entry.pattern);
    type.SetParamDefValue(mainMod::kTypeParam,
                          isFolder ? mainMod::kTypeFolder : mainMod::kTypeBrowser);
    type.SetParamDefValue(mainMod::kLastUpdateParam, stamp);
    if (!entry.version.isEmpty()) setVersion(type, entry.version);
    if (*entry.released) type.SetParamDefValue(QStringLiteral("ReleaseDate"), entry.released);
    for (const Value& value : entry.values) type.SetParamDefValue(value.property, value.value);
}

void addFilters(Document& document) {
    doc::FiltersArray& array = document.FiltersArray();
    int uid = 0;
    for (const Filter& filter : filters()) {
        doc::FilterElement& element = array[array.Add()];
        ++uid;
        element.set(QStringLiteral("propToSet"), filter.propToSet);
        element.set(QStringLiteral("matchStr"), filter.matchStr);
        element.set(QStringLiteral("valToSet"), filter.valToSet);
        element.set(QStringLiteral("priority"), uid * kPriorityStep);
        element.set(QStringLiteral("uId"), uid);
        element.set(QStringLiteral("filterType"), filter.kind);
        element.set(QStringLiteral("DataField"), filter.dataField);
    }
}

}  // namespace

void addSampleDefinitions(Document& document, const QDateTime& stamp) {
    declareProperties(document);
    for (const auto& group : {desktopBrowsers(), mobileBrowsers(), crawlers(), legacyBrowsers()}) {
        for (const Entry& entry : group) addEntry(document, entry, mainMod::dateText(stamp));
    }
    addFilters(document);
}

}  // namespace sentrel::bdf
