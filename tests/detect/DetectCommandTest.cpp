#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <random>
#include <sstream>

#include "BddText.h"
#include "detect/tool/DetectCommand.h"
#include "support/TempDir.h"

using sentrel::detect::DetectCommand;
using sentrel::detect::test::BddText;

namespace {

class DetectCommandTest : public ::testing::Test {
  protected:
    DetectCommandTest() {
        BddText bdd;
        bdd.property("Browser").property("Lang");
        bdd.entry("DefaultBrowser", "", "None", {{"Browser", "Default"}, {"Lang", "en"}});
        bdd.entry("Firefox", "Mozilla/5.0*Firefox/*", "DefaultBrowser",
                  {{"Browser", "Firefox"}, {"Lang", "en"}}, "Firefox");
        bdd.filter("Cookie", "lang", "Lang", "*", "*");
        bdd.filter("ENV", "HTTPS", "Browser", "on", "Secure", 2);
        bdd.writeTo(bddPath);
        BddText odd;
        odd.property("Browser").property("Note");
        odd.entry("DefaultBrowser", "", "None", {{"Browser", "Default"}, {"Note", ""}});
        odd.entry("Odd\tOne", "*odd*", "DefaultBrowser",
                  {{"Browser", "tab\there"}, {"Note", "two\r\nlines \\ \"quoted\" \x01 é"}});
        odd.writeTo(oddPath);
    }

    int run(std::vector<std::string> args, const std::string& input = "") {
        std::istringstream in(input);
        out.str("");
        err.str("");
        return DetectCommand().run(args, in, out, err);
    }

    std::string firstErrorLine() const { return err.str().substr(0, err.str().find('\n')); }

    sentrel::test::TempDir dir;
    const std::string bddPath = dir.file("defs.bdd").toStdString();
    const std::string oddPath = dir.file("odd.bdd").toStdString();
    std::ostringstream out;
    std::ostringstream err;
};

}  // namespace

TEST_F(DetectCommandTest, PrintsEntryAndEveryPropertyPerAgent) {
    ASSERT_EQ(run({bddPath, "Mozilla/5.0 Firefox/121", "curl/8"}), 0) << err.str();
    EXPECT_EQ(out.str(),
              "# Mozilla/5.0 Firefox/121\n"
              "i__name: Firefox\ni__parent: DefaultBrowser\ni__description: Firefox\n"
              "i__matchString: Mozilla/5.0*Firefox/*\nBrowser: Firefox\nLang: en\n\n"
              "# curl/8\n"
              "i__name: DefaultBrowser\ni__parent: None\ni__description: \n"
              "i__matchString: \nBrowser: Default\nLang: en\n\n");
}

TEST_F(DetectCommandTest, ReadsAgentsFromInputAndAppliesRequestOptions) {
    ASSERT_EQ(run({"--cookie", "lang=fr", "--env=HTTPS=on", "--property", "Browser", "--property",
                   "Lang", bddPath},
                  "Mozilla/5.0 Firefox/1\r\n\ncurl\n"),
              0);
    EXPECT_EQ(out.str(),
              "# Mozilla/5.0 Firefox/1\nBrowser: Secure\nLang: fr\n\n"
              "# curl\nBrowser: Secure\nLang: fr\n\n");
    ASSERT_EQ(run({"--property", "i__name", bddPath, "--", "Mozilla/5.0 Firefox/2"}), 0);
    EXPECT_EQ(out.str(), "Firefox\n");
}

TEST_F(DetectCommandTest, BadFilesAndUsageGiveMessagesAndExitCodes) {
    const std::string missing = dir.file("none.bdd").toStdString();
    EXPECT_EQ(run({missing, "x"}), 1);
    EXPECT_EQ(err.str(),
              "sentrel-detect: Error #53: The data file \"" + missing + "\" does not exist.\n");
    const std::string garbage = dir.write("bad.bdd", "not a bdd").toStdString();
    EXPECT_EQ(run({garbage, "x"}), 1);
    EXPECT_EQ(err.str(), "sentrel-detect: Error #-2147221503: The file \"" + garbage +
                             "\" is not a browser definition data file (BDD): it does not hold "
                             "the scrambled XML text of one.\n");
    EXPECT_TRUE(out.str().empty());

    EXPECT_EQ(run({}), 2);
    EXPECT_EQ(firstErrorLine(), "sentrel-detect: no BDD file given");
    EXPECT_NE(err.str().find("\nUsage: sentrel-detect [OPTIONS] BDD [USERAGENT...]\n"),
              std::string::npos);
    EXPECT_EQ(run({"--cookie", "novalue", bddPath}), 2);
    EXPECT_EQ(firstErrorLine(), "sentrel-detect: --cookie needs NAME=VALUE, not \"novalue\"");
    EXPECT_EQ(run({"--bogus", "1", bddPath}), 2);
    EXPECT_EQ(firstErrorLine(), "sentrel-detect: unknown option --bogus");
    EXPECT_EQ(run({bddPath, "--property"}), 2);
    EXPECT_EQ(firstErrorLine(), "sentrel-detect: --property needs a value");
    EXPECT_EQ(run({"--property", "Nope", bddPath, "x"}), 2);
    EXPECT_EQ(err.str(), "sentrel-detect: the BDD has no property \"Nope\"\n");
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_EQ(out.str().substr(0, out.str().find('\n')),
              "Usage: sentrel-detect [OPTIONS] BDD [USERAGENT...]");
}

TEST_F(DetectCommandTest, FieldsPrintTheEntryAndTheNamedPropertiesOnOneLine) {
    ASSERT_EQ(run({"--fields", "lang,Browser,i__parent", "--cookie", "lang=fr", bddPath,
                   "Mozilla/5.0 Firefox/121", "curl/8"}),
              0)
        << err.str();
    EXPECT_EQ(out.str(),
              "Firefox\tfr\tFirefox\tDefaultBrowser\n"
              "DefaultBrowser\tfr\tDefault\tNone\n");
    // Tabs, line breaks and backslashes in the entry or the values keep to the line format.
    ASSERT_EQ(run({"--fields=Note,Browser", oddPath, "an odd one"}), 0) << err.str();
    EXPECT_EQ(out.str(), "Odd\\tOne\ttwo\\r\\nlines \\\\ \"quoted\" \x01 é\ttab\\there\n");
}

TEST_F(DetectCommandTest, JsonPrintsOneObjectPerAgentWithEveryOrTheChosenProperties) {
    ASSERT_EQ(run({"--json", bddPath, "--", "Mozilla/5.0 Firefox/121"}), 0) << err.str();
    EXPECT_EQ(out.str(),
              "{\"agent\": \"Mozilla/5.0 Firefox/121\", \"entry\": \"Firefox\", \"properties\": "
              "{\"Browser\": \"Firefox\", \"Lang\": \"en\", \"i__name\": \"Firefox\", "
              "\"i__parent\": \"DefaultBrowser\", \"i__description\": \"Firefox\", "
              "\"i__matchString\": \"Mozilla/5.0*Firefox/*\"}}\n");
    ASSERT_EQ(run({"--json", "--fields", "lang", bddPath}, "curl\nwget\n"), 0) << err.str();
    EXPECT_EQ(out.str(),
              "{\"agent\": \"curl\", \"entry\": \"DefaultBrowser\", \"properties\": "
              "{\"lang\": \"en\"}}\n"
              "{\"agent\": \"wget\", \"entry\": \"DefaultBrowser\", \"properties\": "
              "{\"lang\": \"en\"}}\n");
    // Quotes, backslashes and control characters are escaped; bytes that are not UTF-8 become
    // the replacement character.
    ASSERT_EQ(run({"--json", oddPath, "odd \"1\"\\\x1B\xFF\xC3"}), 0) << err.str();
    EXPECT_EQ(out.str(),
              "{\"agent\": \"odd \\\"1\\\"\\\\\\u001b\\ufffd\\ufffd\", \"entry\": \"Odd\\tOne\", "
              "\"properties\": {\"Browser\": \"tab\\there\", "
              "\"Note\": \"two\\r\\nlines \\\\ \\\"quoted\\\" \\u0001 é\", "
              "\"i__name\": \"Odd\\tOne\", \"i__parent\": \"DefaultBrowser\", "
              "\"i__description\": \"\", \"i__matchString\": \"*odd*\"}}\n");
}

TEST_F(DetectCommandTest, JsonLinesAreValidWhateverTheAgentHolds) {
    std::mt19937 random(7);
    std::string agents;
    for (int i = 0; i < 300; ++i) {
        std::string agent = "odd ";
        for (size_t n = random() % 12; n > 0; --n) {
            const char byte = static_cast<char>(random() % 256);
            if (byte != '\n' && byte != '\r') agent += byte;
        }
        agents += agent + "\n";
    }
    ASSERT_EQ(run({"--json", oddPath}, agents), 0) << err.str();
    std::istringstream lines(out.str());
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << line;
        EXPECT_EQ(json.object().value("entry").toString(), "Odd\tOne");
    }
    EXPECT_EQ(count, 300);
}

TEST_F(DetectCommandTest, BadFieldListsAreUsageErrors) {
    EXPECT_EQ(run({"--fields", "Browser,Nope", bddPath, "x"}), 2);
    EXPECT_EQ(err.str(), "sentrel-detect: the BDD has no property \"Nope\"\n");
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(run({"--fields", "Browser,,Lang", bddPath, "x"}), 2);
    EXPECT_EQ(firstErrorLine(), "sentrel-detect: --fields needs NAME,..., not \"Browser,,Lang\"");
    EXPECT_EQ(run({"--fields", "Browser", "--fields", "browser", bddPath, "x"}), 2);
    EXPECT_EQ(firstErrorLine(), "sentrel-detect: --fields names \"browser\" twice");
    EXPECT_EQ(run({"--json", "--property", "Browser", bddPath, "x"}), 2);
    EXPECT_EQ(firstErrorLine(),
              "sentrel-detect: --property cannot be combined with --fields or --json");
}
