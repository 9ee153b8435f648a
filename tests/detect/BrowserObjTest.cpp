#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "BddText.h"
#include "detect/BrowserObj.h"
#include "detect/DetectError.h"
#include "support/TempDir.h"

using namespace sentrel::detect;
using sentrel::detect::test::BddText;

namespace {

// A clock the test moves by hand, so reload checks need no waiting.
struct ManualClock {
    std::chrono::steady_clock::time_point now{};
    DefinitionsCache::Clock function() {
        return [this] { return now; };
    }
};

class BrowserObjTest : public ::testing::Test {
  protected:
    BrowserObjTest() : cache(clock.function()) {}

    std::string write(const BddText& bdd, const std::string& name = "defs.bdd") {
        // Replace by rename, as the editor does, so readers never see half a file.
        const std::string path = dir.file(QString::fromStdString(name)).toStdString();
        bdd.writeTo(path + ".tmp");
        std::rename((path + ".tmp").c_str(), path.c_str());
        return path;
    }

    BrowserObj open(const BddText& bdd) {
        BrowserObj browser(cache);
        browser.DataFile(write(bdd));
        return browser;
    }

    static BddText browsers() {
        BddText bdd;
        bdd.property("Browser").property("Version").property("Lang");
        bdd.entry("DefaultBrowser", "", "None",
                  {{"Browser", "Default"}, {"Version", "0"}, {"Lang", "en"}}, "Unknown");
        bdd.entry("AnyMozilla", "Mozilla/*", "DefaultBrowser", {{"Browser", "Mozilla"}});
        bdd.entry("Chrome", "Mozilla/5.0*Chrome/*", "DefaultBrowser",
                  {{"Browser", "Chrome"}, {"Version", "any"}}, "Chrome");
        bdd.entry("Chrome120", "Mozilla/5.0*Chrome/120.*", "Chrome",
                  {{"Browser", "Chrome"}, {"Version", "120"}}, "Chrome 120");
        bdd.entry("Edge", "Mozilla/5.0*Chrome/*Edg/*", "Chrome",
                  {{"Browser", "Edge"}, {"Version", "edge"}}, "Edge");
        bdd.entry("TieFirst", "Tie ?aaa", "DefaultBrowser", {{"Browser", "first"}});
        bdd.entry("TieSecond", "Tie a?aa", "DefaultBrowser", {{"Browser", "second"}});
        return bdd;
    }

    ManualClock clock;
    DefinitionsCache cache;
    sentrel::test::TempDir dir;
};

}  // namespace

TEST_F(BrowserObjTest, LongestLiteralMatchWinsAndTiesGoToTheEarlierEntry) {
    BrowserObj browser = open(browsers());
    const auto detect = [&](const std::string& agent) {
        browser.Initialize(agent);
        return browser.InternalName();
    };
    EXPECT_EQ(detect("Mozilla/5.0 (X11) Chrome/120.0.1 Safari/537"), "Chrome120");
    EXPECT_EQ(detect("Mozilla/5.0 (X11) Chrome/119.0 Safari/537"), "Chrome");
    EXPECT_EQ(detect("Mozilla/5.0 (X11) Chrome/120.0 Safari/537 Edg/120"), "Chrome120");
    EXPECT_EQ(detect("Mozilla/5.0 (X11) Chrome/118.0 Safari/537 Edg/118"), "Edge");
    EXPECT_EQ(detect("mozilla/4.0 (compatible)"), "AnyMozilla");
    EXPECT_EQ(detect("Tie aaaa"), "TieFirst");
    EXPECT_EQ(detect("curl/8.0"), "DefaultBrowser");
    EXPECT_EQ(detect(""), "DefaultBrowser");
    EXPECT_EQ(browser.value("Browser"), "Default");
}

TEST_F(BrowserObjTest, ValuesAndSystemPropertiesByNameInAnyCase) {
    BrowserObj browser = open(browsers());
    browser.Initialize("Mozilla/5.0 Chrome/120.1");
    EXPECT_EQ(browser.value("version"), "120");
    EXPECT_EQ(browser["BROWSER"], "Chrome");
    EXPECT_EQ(browser.value("Lang"), "en");  // left out: inherited through Chrome
    EXPECT_EQ(browser.value("i__name"), "Chrome120");
    EXPECT_EQ(browser.value("I__PARENT"), "Chrome");
    EXPECT_EQ(browser.value("i__description"), "Chrome 120");
    EXPECT_EQ(browser.value("i__matchString"), "Mozilla/5.0*Chrome/120.*");
    EXPECT_EQ(browser.propertyNames(),
              (std::vector<std::string>{"Browser", "Version", "Lang", "i__name", "i__parent",
                                        "i__description", "i__matchString"}));
    EXPECT_TRUE(browser.hasProperty("lang"));
    EXPECT_FALSE(browser.hasProperty("Nope"));
    try {
        browser.value("Nope");
        FAIL();
    } catch (const DetectError& error) {
        EXPECT_EQ(error.number(), -2147221500);  // 0x80040004
        EXPECT_EQ(error.description(), "The property \"Nope\" does not exist.");
        EXPECT_EQ(error.source(), "Sentrel.browserObj");
    }
}

TEST_F(BrowserObjTest, FiltersOfEveryKindApplyInFileOrder) {
    BddText bdd = browsers();
    bdd.filter("UA", "", "Lang", "*; de-DE*", "de");
    bdd.filter("Cookie", "lang", "Lang", "f?", "*");
    bdd.filter("ENV", "HTTP_ACCEPT_LANGUAGE", "Lang", "es*", "es", 2);
    bdd.filter("Cert", "SUBJECT_C", "Version", "[A-Z][A-Z]", "cert-*", 3);
    bdd.filter("UA", "", "NoSuchProperty", "*", "ignored", 4);
    bdd.filter("Bogus", "", "Lang", "*", "never", 5);
    BrowserObj browser = open(bdd);

    browser.Initialize("Mozilla/5.0; de-DE Chrome/1");
    EXPECT_EQ(browser.value("Lang"), "de");

    Request request;
    request.userAgent = "Mozilla/5.0; de-DE Chrome/1";
    request.cookies = {{"LANG", "fr"}};  // names in any case; "*" gives the cookie's value
    browser.Initialize(request);
    EXPECT_EQ(browser.value("Lang"), "fr");

    request.serverVariables = {{"http_accept_language", "es-ES,es"}};
    request.certificateFields = {{"SUBJECT_C", "CH"}};
    browser.Initialize(request);
    EXPECT_EQ(browser.value("Lang"), "es");         // the later filter wins
    EXPECT_EQ(browser.value("Version"), "cert-*");  // only a whole "*" is the wildcard value

    request = Request{"Mozilla/5.0 Chrome/1", {{"lang", "deutsch"}}, {}, {{"SUBJECT_C", "C"}}};
    browser.Initialize(request);
    EXPECT_EQ(browser.value("Lang"), "en");  // no filter matched: the entry's own value
    EXPECT_EQ(browser.value("Version"), "any");
}

// User-agent filters are passed over when the agent lacks their literal characters; that
// decision is made for each agent anew, whatever matched before, in any case and around
// lists and digits.
TEST_F(BrowserObjTest, UserAgentFiltersSeeEachAgentAfresh) {
    BddText bdd = browsers();
    bdd.filter("UA", "", "Lang", "*Windows NT*", "win");
    bdd.filter("UA", "", "Version", "*Android [1-9]#[.;]*", "android", 2);
    BrowserObj browser = open(bdd);

    const std::string windows = "Mozilla/5.0 (windows nt 10.0) Chrome/120.1";
    const std::string android = "Mozilla/5.0 (Linux; ANDROID 14; K) Chrome/120.1";
    for (int round = 0; round < 2; ++round) {
        browser.Initialize(windows);
        EXPECT_EQ(browser.value("Lang"), "win");
        EXPECT_EQ(browser.value("Version"), "120");
        browser.Initialize(android);
        EXPECT_EQ(browser.value("Lang"), "en");
        EXPECT_EQ(browser.value("Version"), "android");
    }
    browser.Initialize("Windows NT; Android 4; K");  // no entry matches: filters still apply
    EXPECT_EQ(browser.InternalName(), "DefaultBrowser");
    EXPECT_EQ(browser.value("Lang"), "win");
    EXPECT_EQ(browser.value("Version"), "0");  // one digit is not enough
}

TEST_F(BrowserObjTest, MisuseAndBadFilesRaiseErrors) {
    BrowserObj browser(cache);
    const auto errorOf = [](auto action) {
        try {
            action();
        } catch (const DetectError& error) {
            return std::to_string(error.number()) + ": " + error.description();
        }
        return std::string("no error");
    };
    EXPECT_EQ(errorOf([&] { browser.Initialize("x"); }),
              "-2147221502: No data file is set: set DataFile before calling Initialize.");
    EXPECT_EQ(errorOf([&] { browser.InternalName(); }),
              "-2147221501: No browser has been detected yet: call Initialize first.");
    const std::string missing = dir.file("missing.bdd").toStdString();
    EXPECT_EQ(errorOf([&] { browser.DataFile(missing); }),
              "53: The data file \"" + missing + "\" does not exist.");
    EXPECT_EQ(browser.DataFile(), missing);
    std::rename(write(browsers()).c_str(), missing.c_str());
    browser.Initialize("Mozilla/1");  // the file has appeared: the next call works
    EXPECT_EQ(browser.InternalName(), "AnyMozilla");
}

TEST_F(BrowserObjTest, ChangedFileIsReadAfreshAfterTheCheckInterval) {
    BddText first;
    first.entry("One", "*agent*");
    BrowserObj browser = open(first);
    BrowserObj other(cache);
    other.DataFile(browser.DataFile());
    EXPECT_EQ(other.definitions(), browser.definitions());  // shared, read once

    BddText second;
    second.entry("Two", "*agent*");
    write(second);
    clock.now += std::chrono::milliseconds(500);
    browser.Initialize("agent");
    EXPECT_EQ(browser.InternalName(), "One");  // not looked at again within the second
    clock.now += std::chrono::milliseconds(600);
    browser.Initialize("agent");
    EXPECT_EQ(browser.InternalName(), "Two");
    other.Initialize("agent");
    EXPECT_EQ(other.InternalName(), "Two");

    std::ofstream(browser.DataFile(), std::ios::trunc) << "damaged";
    clock.now += std::chrono::seconds(2);
    EXPECT_THROW(browser.Initialize("agent"), DetectError);  // never old data after a change
}

TEST_F(BrowserObjTest, ForgottenFileIsReadAfreshWithinTheCheckInterval) {
    BddText first;
    first.entry("One", "*agent*");
    BrowserObj browser = open(first);
    const auto held = browser.definitions();

    BddText second;
    second.entry("Two", "*agent*");
    write(second);
    cache.forget(browser.DataFile());
    cache.forget(dir.file("never-loaded.bdd").toStdString());  // nothing to drop: no error
    browser.Initialize("agent");
    EXPECT_EQ(browser.InternalName(), "Two");
    EXPECT_EQ(held->content().entries.front().name, "One");  // still valid for whoever holds it
}

TEST_F(BrowserObjTest, ManyThreadsGetTheSameAnswers) {
    const std::string path = write(browsers());
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Mozilla/5.0 Chrome/120.3", "Chrome120"},
        {"Mozilla/5.0 Chrome/9 Edg/9", "Edge"},
        {"Mozilla/3.0", "AnyMozilla"},
        {"Opera/9.80", "DefaultBrowser"}};
    std::vector<int> wrong(8, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&, t] {
            BrowserObj browser(cache);
            browser.DataFile(path);
            for (int i = 0; i < 1000; ++i) {
                const auto& [agent, expected] = cases[(i + t) % cases.size()];
                browser.Initialize(agent);
                if (browser.InternalName() != expected) ++wrong[t];
            }
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(wrong, std::vector<int>(8, 0));
}

TEST(ExtendedProperties, BuiltInListIgnoresCaseAndBlanks) {
    EXPECT_TRUE(BrowserObj::isExtProperty("JavaScriptEnabled"));
    EXPECT_TRUE(BrowserObj::isExtProperty("  plugin_flashverex "));
    EXPECT_TRUE(BrowserObj::isExtProperty("OSArch"));
    EXPECT_FALSE(BrowserObj::isExtProperty("OSName"));
    EXPECT_FALSE(BrowserObj::isExtProperty("Browser"));
    EXPECT_FALSE(BrowserObj::isExtProperty(""));
}
