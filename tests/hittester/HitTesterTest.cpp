#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>

#include "HitTesterFixture.h"
#include "detect/BrowserObj.h"

namespace sentrel::exporting {
namespace {

const QString kFirefox = QStringLiteral("Mozilla/5.0 (X11; Linux) Gecko Firefox/120.0");
const QString kChrome = QStringLiteral("Mozilla/5.0 (X11) Chrome/120.0 Safari/537.36");

class HitTesterTest : public ::testing::Test {
  protected:
    QString valueOf(const QString& property) const {
        for (const auto& [name, value] : tester.result().rows)
            if (name == property) return value;
        return QStringLiteral("<missing>");
    }
    int rebuilds() const { return static_cast<int>(host.log.count(QStringLiteral("export"))); }
    QStringList titles() const {
        QStringList out;
        for (const MessageRequest& message : ui.messages()) out << message.title;
        return out;
    }
    QString list(const QByteArray& content) const { return dir.write("agents.txt", content); }

    sentrel::test::TempDir dir;
    ScriptedInteraction ui;
    test::FakeHost host{ui, dir.path()};
    detect::DefinitionsCache cache;
    HitTester tester{ui, host, cache};
};

TEST_F(HitTesterTest, TypedAgentIsTestedOnTheEditedDefinitionsAndTheTreeFollows) {
    tester.userAgents().setCurrentText(kFirefox);
    tester.testCurrent();
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(tester.result().internalName, "fx");
    EXPECT_EQ(tester.result().description, "Firefox");
    EXPECT_EQ(tester.result().matchString, "*Firefox/*");
    EXPECT_EQ(valueOf("Browser"), "Firefox");
    for (const auto& row : tester.result().rows) EXPECT_FALSE(row.first.startsWith("i__"));
    EXPECT_EQ(host.log,
              (QStringList{"sort", "wait:Making a temporary BDD for testing. Please wait...",
                           "export", "unwait", "tree:fx"}));
    EXPECT_FALSE(host.outOfDate);
    EXPECT_TRUE(QFile::exists(dir.file("temp.bdd")));

    // The same agent in other letters is not listed twice and needs no rebuild.
    tester.userAgents().setCurrentText(kFirefox.toUpper());
    tester.testCurrent();
    EXPECT_EQ(tester.userAgents().items(), QStringList{kFirefox});
    EXPECT_EQ(rebuilds(), 1);
}

TEST_F(HitTesterTest, EditThenTestRebuildsAndSeesTheChangeWithinOneSecond) {
    tester.TestUserAgent(kFirefox);
    const std::shared_ptr<void> object = host.detection;
    host.edit("fx", "Browser", "Fox");
    tester.TestUserAgent(kFirefox);
    EXPECT_EQ(valueOf("Browser"), "Fox");
    EXPECT_EQ(rebuilds(), 2);
    EXPECT_EQ(host.detection, object);  // one object for the open file

    // Closing the file releases the object; the next test makes a new one.
    host.detection.reset();
    tester.TestUserAgent(kChrome);
    EXPECT_EQ(valueOf("Browser"), "Chrome");
    EXPECT_NE(host.detection, nullptr);
    EXPECT_EQ(rebuilds(), 2);
}

TEST_F(HitTesterTest, TreeMovesOnlyForANewMatchOrAfterTheWindowWasLeft) {
    tester.TestUserAgent(kFirefox);
    host.selectedKey = "chrome";  // the user looked elsewhere in the tree
    tester.TestUserAgent(kFirefox + " extra");
    EXPECT_EQ(host.log.count("tree:fx"), 1);
    tester.deactivated();
    tester.TestUserAgent(kFirefox);
    EXPECT_EQ(host.log.count("tree:fx"), 2);
    tester.deactivated();
    tester.TestUserAgent(kFirefox);  // already selected: left alone
    EXPECT_EQ(host.log.count("tree:fx"), 2);
    tester.TestUserAgent("curl/8.0");
    EXPECT_EQ(host.log.last(), "tree:DefaultBrowser");
    EXPECT_EQ(tester.result().description,
              host.document()->PathValue("DefaultBrowser.i__description"));
}

TEST_F(HitTesterTest, EmptyAgentChangesNothing) {
    tester.testCurrent();
    const QList<MessageRequest> expected{{"Nothing to test",
                                          "Please enter a user agent to test before pressing "
                                          "the test button.",
                                          MsgIcon::Exclamation}};
    EXPECT_EQ(ui.messages(), expected);
    EXPECT_TRUE(tester.userAgents().items().isEmpty());
    EXPECT_TRUE(host.log.isEmpty());
}

TEST_F(HitTesterTest, ListFilesReadWithAnyLineEndAndAreAppended) {
    const QList<QByteArray> files = {"a\r\nb\r\nc\r\n", "a\r\nb\r\nc", "a\nb\nc\n", "a\rb\rc"};
    for (const QByteArray& content : files) {
        tester.newList();
        ui.answerFile(list(content));
        tester.LoadUserAgentFile();
        EXPECT_EQ(tester.userAgents().items(), (QStringList{"a", "b", "c"})) << content.data();
    }
    EXPECT_EQ(ui.events().back().file.filters,
              QStringList{QStringLiteral("User agent text files (*.txt)")});
    EXPECT_EQ(host.log.mid(0, 4),
              (QStringList{"busy", "status:Loading user agent list...", "status:", "idle"}));

    ui.answerFile(list("x\r\n\r\n\xc3\xa9t\xc3\xa9"));  // appended, empty line kept, UTF-8
    tester.LoadUserAgentFile();
    EXPECT_EQ(tester.userAgents().items(),
              (QStringList{"a", "b", "c", "x", "", QStringLiteral("\u00e9t\u00e9")}));
    EXPECT_EQ(tester.userAgents().currentText(), "a");
    ui.answerFile(std::nullopt);  // cancelled
    tester.LoadUserAgentFile();
    EXPECT_EQ(tester.userAgents().items().size(), 6);
    EXPECT_TRUE(ui.messages().isEmpty());
}

TEST_F(HitTesterTest, UnreadableListFileIsReportedAndAddsNothing) {
    tester.userAgents().append("kept");
    const QString folder = dir.file("folder.txt");
    QDir().mkdir(folder);
    ui.answerFile(folder);
    tester.LoadUserAgentFile();
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages().front().title, "Unable to load user agent list");
    EXPECT_TRUE(
        ui.messages().front().text.startsWith("Unable to read " + folder + ".  Error is: "));
    EXPECT_EQ(tester.userAgents().items(), QStringList{"kept"});
    EXPECT_EQ(host.log.last(), "idle");
}

TEST_F(HitTesterTest, LoadCopiesTheBddBesideTheSavedFile) {
    host.placeFile(dir.file("defs.bdf"), true);
    host.outOfDate = false;
    tester.load();
    EXPECT_FALSE(host.outOfDate);
    EXPECT_EQ(sentrel::test::TempDir::read(dir.file("temp.bdd")),
              sentrel::test::TempDir::read(dir.file("defs.bdd")));
    tester.TestUserAgent(kChrome);
    EXPECT_EQ(valueOf("Browser"), "Chrome");
    EXPECT_EQ(rebuilds(), 0);
}

TEST_F(HitTesterTest, LoadWithoutABddBesideOrWithUnsavedChangesBuildsAtTheFirstTest) {
    host.placeFile(dir.file("defs.bdf"), false);
    host.outOfDate = false;  // as a save would leave the lifecycle's own mark
    tester.load();
    EXPECT_TRUE(ui.messages().isEmpty());
    tester.TestUserAgent(kChrome);
    EXPECT_EQ(valueOf("Browser"), "Chrome");
    EXPECT_EQ(rebuilds(), 1);

    host.placeFile(dir.file("defs.bdf"), true);
    host.edit("chrome", "Browser", "Edited");
    tester.load();
    tester.TestUserAgent(kChrome);
    EXPECT_EQ(valueOf("Browser"), "Edited");

    // Saved, but the BDD beside is older than the file: it is not trusted.
    host.unsavedChanges = false;
    QFile bdd(dir.file("defs.bdd"));
    ASSERT_TRUE(bdd.open(QIODevice::ReadWrite));
    bdd.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
    dir.write("defs.bdf", "saved");
    tester.load();
    EXPECT_TRUE(host.outOfDate);
}

TEST_F(HitTesterTest, FailedCopyIsReportedAndLeavesTemporaryBddToBeRebuilt) {
    host.placeFile(dir.file("defs.bdf"), true);
    QDir().mkdir(dir.file("temp.bdd"));  // a folder where the copy must go
    tester.load();
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages().front().title, "Unable to copy BDD file");
    EXPECT_TRUE(ui.messages().front().text.startsWith("Unable to copy " + dir.file("defs.bdf") +
                                                      " to temp.bdd.  Error is: "));
    EXPECT_TRUE(host.outOfDate);
}

TEST_F(HitTesterTest, FailuresOfExportAndDetectionAreReportedAndStopTheTest) {
    test::FakeHost nowhere(ui, dir.file("missing"));
    HitTester elsewhere(ui, nowhere, cache);
    elsewhere.TestUserAgent(kFirefox);
    EXPECT_EQ(titles(), (QStringList{"Export failed", "BDD not available"}));
    EXPECT_EQ(ui.messages()[1],
              (MessageRequest{"BDD not available",
                              "Unable to read temporary BDD needed for Hit Tester.  File not "
                              "found.",
                              MsgIcon::Exclamation}));
    EXPECT_EQ(nowhere.log,
              (QStringList{"sort", "wait:Making a temporary BDD for testing. Please wait...",
                           "export", "unwait"}));
    EXPECT_TRUE(nowhere.outOfDate);

    // A damaged temp.bdd under a working object, then without one.
    tester.TestUserAgent(kFirefox);
    ui.clear();
    dir.write("defs.bdd", "not a data file");
    host.placeFile(dir.file("defs.bdf"), false);
    tester.load();
    tester.TestUserAgent(kFirefox);
    ASSERT_EQ(titles(), QStringList{"Error creating Sentrel object"});
    const QString text = ui.messages().front().text;
    EXPECT_TRUE(
        text.startsWith("The following error occurred when trying to create the Sentrel object: "));
    EXPECT_TRUE(
        text.endsWith("\r\n\r\nIf the problem persists, please contact Sentrel "
                      "technical support at support@sentrel-editor.org."));
    EXPECT_EQ(ui.messages().front().icon, MsgIcon::Critical);
    EXPECT_NE(host.detection, nullptr);  // the object stays

    ui.clear();
    host.detection.reset();
    tester.TestUserAgent(kFirefox);
    EXPECT_EQ(titles(), QStringList{"Object creation failed"});
    EXPECT_EQ(host.detection, nullptr);
}

}  // namespace
}  // namespace sentrel::exporting
