#include <gtest/gtest.h>

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
    }

    int run(std::vector<std::string> args, const std::string& input = "") {
        std::istringstream in(input);
        out.str("");
        err.str("");
        return DetectCommand().run(args, in, out, err);
    }

    sentrel::test::TempDir dir;
    const std::string bddPath = dir.file("defs.bdd").toStdString();
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
    EXPECT_EQ(run({dir.file("none.bdd").toStdString(), "x"}), DetectCommand::kDataFileError);
    EXPECT_NE(err.str().find("Error #53"), std::string::npos) << err.str();
    const std::string garbage = dir.write("bad.bdd", "not a bdd").toStdString();
    EXPECT_EQ(run({garbage, "x"}), DetectCommand::kDataFileError);
    EXPECT_NE(err.str().find("is not a browser definition data file"), std::string::npos);
    EXPECT_TRUE(out.str().empty());

    EXPECT_EQ(run({}), DetectCommand::kUsageError);
    EXPECT_NE(err.str().find("Usage: sentrel-detect"), std::string::npos);
    EXPECT_EQ(run({"--cookie", "novalue", bddPath}), DetectCommand::kUsageError);
    EXPECT_EQ(run({"--bogus", "1", bddPath}), DetectCommand::kUsageError);
    EXPECT_EQ(run({"--property", "Nope", bddPath, "x"}), DetectCommand::kUsageError);
    EXPECT_EQ(run({"--help"}), 0);
}
