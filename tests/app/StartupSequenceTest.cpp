#include <gtest/gtest.h>

#include <QFile>

#include "app/StartupErrorHandler.h"
#include "app/StartupSequence.h"
#include "document/Document.h"
#include "shell/AppError.h"
#include "shell/ScriptedInteraction.h"
#include "support/TempDir.h"

namespace sentrel::app {
namespace {

// Records what the start-up asks of the windows, and answers from its settings.
class FakeHost : public StartupHost {
  public:
    QString baseDir;
    StartupOptions options;
    bool firstRun = false;
    std::optional<bool> wizard;  // nullopt: no wizard
    QString failAt;              // a call that throws
    QStringList calls;
    QStringList opened;

    QString readBaseDirectory() override { return record("read", baseDir); }
    void setApplicationTitle(const QString& title) override { record("title " + title); }
    void showSplash() override { record("splash"); }
    void createMainWindow() override { record("create"); }
    void setHelpFile(const QString& path) override { record("help " + path); }
    void loadMainWindow(const QString& base) override { record("load " + base); }
    void showMainWindow() override { record("show"); }
    void unloadSplash() override { record("unsplash"); }
    StartupOptions loadOptions(const QString&) override { return record("options", options); }
    bool isFirstRun() override { return record("firstRun", firstRun); }
    std::optional<bool> runSetupWizard() override { return record("wizard", wizard); }
    void openFile(const QString& path, bool) override {
        record("open");
        opened << path;
    }

  private:
    template <typename T = int>
    T record(const QString& call, T answer = {}) {
        calls << call;
        if (call.startsWith(failAt) && !failAt.isEmpty())
            throw AppError(53, QStringLiteral("File not found"));
        return answer;
    }
};

// An internal data document on disk, as an installation has it.
QString writeInternalData(const test::TempDir& dir) {
    const QString path = dir.file(QStringLiteral("intdata.dtl"));
    doc::Document::create()->save(path);
    return path;
}

class StartupSequenceTest : public ::testing::Test {
  protected:
    StartupSequenceTest() {
        host.baseDir = dir.path();
        writeInternalData(dir);
    }

    StartupSequence::Outcome start(const QString& commandLine = QString(), int draw = 1) {
        StartupSequence startup(host, ui, internalData);
        startup.setDraw([draw] { return draw; });
        const auto outcome = startup.run(commandLine);
        lastPlace = startup.lastPlace();
        return outcome;
    }

    test::TempDir dir;
    FakeHost host;
    ScriptedInteraction ui;
    int binds = 0;
    InternalData internalData{[this](const QString& path) {
        ++binds;
        return doc::Document::bind(path);
    }};
    QString lastPlace;
};

TEST_F(StartupSequenceTest, RunsTheStepsInOrderAndKeepsTheInternalDataBound) {
    host.baseDir = dir.path() + QLatin1Char('/');  // one trailing separator is dropped
    const auto outcome = start();
    ASSERT_TRUE(outcome.started);
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(host.calls, QStringList({"read", "title Sentrel", "splash", "create",
                                       "help " + dir.path() + "/docs/help", "load " + dir.path(),
                                       "show", "unsplash", "options", "firstRun"}));
    EXPECT_EQ(lastPlace, QStringLiteral("after display ui"));
    ASSERT_TRUE(internalData.isBound());
    // Bound means locked: nobody else gets it until it is released.
    EXPECT_THROW(doc::Document::bind(dir.file("intdata.dtl")), AppError);
    internalData.release();
    EXPECT_NO_THROW(doc::Document::bind(dir.file("intdata.dtl")));
}

TEST_F(StartupSequenceTest, SecondCopyIsToldAndNeverShowsItsWindow) {
    ASSERT_TRUE(start().started);
    FakeHost second;
    second.baseDir = dir.path();
    ScriptedInteraction secondUi;
    InternalData secondData;
    const auto outcome = StartupSequence(second, secondUi, secondData).run(QString());
    EXPECT_FALSE(outcome.started);
    EXPECT_TRUE(outcome.alreadyRunning);
    EXPECT_EQ(outcome.exitStatus(), 0);  // another copy running is no failure of this one
    EXPECT_EQ(secondUi.messages(),
              QList<MessageRequest>({{"Sentrel already running",
                                      "Sentrel already running (1050). Please return to "
                                      "currently running instance of Sentrel.",
                                      MsgIcon::Information}}));
    EXPECT_FALSE(second.calls.contains("show"));
    EXPECT_EQ(second.calls.last(), QStringLiteral("unsplash"));

    // Once the first copy has closed, a new one starts.
    internalData.release();
    InternalData thirdData;
    ScriptedInteraction thirdUi;
    EXPECT_TRUE(StartupSequence(second, thirdUi, thirdData).run(QString()).started);
}

TEST_F(StartupSequenceTest, MissingBaseDirectoryEndsThroughTheBindFailure) {
    host.baseDir = QStringLiteral("-1");
    const auto outcome = start();
    EXPECT_FALSE(outcome.started);
    EXPECT_EQ(outcome.exitStatus(), 1);
    ASSERT_EQ(ui.messages().size(), 2);
    EXPECT_EQ(ui.messages()[0],
              (MessageRequest{"Error reading registry",
                              "Unable to read base directory information from registry.",
                              MsgIcon::Critical}));
    EXPECT_EQ(ui.messages()[1].title, QStringLiteral("DCOM for Windows 95 update needed"));
    EXPECT_EQ(lastPlace, QStringLiteral("Loading internal data"));
    EXPECT_FALSE(host.calls.contains("show"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("-1")));
}

TEST_F(StartupSequenceTest, DamagedInternalDataIsAnInitializationError) {
    dir.write(QStringLiteral("intdata.dtl"), "not a document at all\n\x01\x02");
    const auto outcome = start();
    EXPECT_FALSE(outcome.started);
    EXPECT_FALSE(outcome.alreadyRunning);
    EXPECT_EQ(outcome.exitStatus(), 1);
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages()[0].title, QStringLiteral("Initialization Error"));
    EXPECT_TRUE(
        ui.messages()[0].text.contains(QStringLiteral("Last place: Loading internal data")));
}

TEST_F(StartupSequenceTest, LaterFailuresNameTheirStep) {
    host.failAt = QStringLiteral("load");
    const auto outcome = start();
    EXPECT_FALSE(outcome.started);
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages()[0].title, QStringLiteral("Initialization Error"));
    EXPECT_TRUE(ui.messages()[0].text.startsWith(
        QStringLiteral("System error: 53\r\nFile not found\r\nLast place: about to load main ui")));
    EXPECT_EQ(host.calls.last(), QStringLiteral("unsplash"));
}

TEST_F(StartupSequenceTest, RefreshOnlyOnAFiveAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(start(QString(), 4).started);
    EXPECT_EQ(binds, 1);
    internalData.release();

    ASSERT_TRUE(start(QString(), 5).started);
    EXPECT_EQ(binds, 3);
    EXPECT_FALSE(QFile::exists(dir.file("intmp.dtx")));
    ASSERT_TRUE(internalData.isBound());
    EXPECT_EQ(internalData.document()->filePath(), dir.file("intdata.dtl"));
    EXPECT_THROW(doc::Document::bind(dir.file("intdata.dtl")), AppError);
}

TEST_F(StartupSequenceTest, FailedRefreshLeavesTheInternalDataWhole) {
    const QByteArray before = test::TempDir::read(dir.file("intdata.dtl"));
    InternalData failing([](const QString& path) {
        if (path.endsWith(".dtx")) throw AppError(75, QStringLiteral("Path/File access error"));
        return doc::Document::bind(path);
    });
    StartupSequence startup(host, ui, failing);
    startup.setDraw([] { return 5; });
    EXPECT_FALSE(startup.run(QString()).started);
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_TRUE(ui.messages()[0].text.contains("Last place: After loading internal data"));
    EXPECT_FALSE(QFile::exists(dir.file("intmp.dtx")));
    EXPECT_EQ(test::TempDir::read(dir.file("intdata.dtl")), before);
    EXPECT_NO_THROW(doc::Document::bind(dir.file("intdata.dtl")));
}

TEST_F(StartupSequenceTest, FirstFileFollowsAutoloadAndTheCommandLine) {
    struct Case {
        bool autoload;
        QString autoloadBDF;
        QString commandLine;
        QStringList opened;
    };
    const Case cases[] = {
        {false, "/defs/a.bdf", "/my files/x y.bdf", {"/my files/x y.bdf"}},
        {false, "", "", {}},
        {true, "/defs/a.bdf", "/other.bdf", {"/defs/a.bdf"}},
        {true, "", "/other.bdf", {}},  // autoload on, no file: nothing, whatever the line says
    };
    for (const Case& c : cases) {
        host.options = {c.autoload, c.autoloadBDF};
        host.opened.clear();
        ASSERT_TRUE(start(c.commandLine).started);
        EXPECT_EQ(host.opened, c.opened) << c.commandLine.toStdString();
        internalData.release();
    }
}

TEST_F(StartupSequenceTest, FirstRunWithTheWizardOpensTheMainDefinitions) {
    host.firstRun = true;
    host.wizard = true;
    host.options = {true, "/defs/a.bdf"};
    ASSERT_TRUE(start("/ignored.bdf").started);
    EXPECT_EQ(host.opened, QStringList{dir.path() + "/maindefs.bdf"});
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages()[0].title, QStringLiteral("Setup Wizard Complete"));
    EXPECT_TRUE(ui.messages()[0].text.startsWith(
        QStringLiteral("Please take a moment to look through the browser definition file so you "
                       "are familiar with the type of information it contains.\r\n\r\nAfter "
                       "doing so, we recommend")));
    EXPECT_TRUE(ui.messages()[0].text.endsWith(
        dir.path() +
        "/samples.\r\n\r\nTo run the samples, choose Sentrel Samples in the desktop's "
        "application menu. If you elected not to install the samples, but wish to do so now, run "
        "the Sentrel installer again and choose the Modify option when presented."));
    internalData.release();

    // Declined: nothing opened, the other introduction.
    host.wizard = false;
    host.opened.clear();
    ui.clear();
    ASSERT_TRUE(start().started);
    EXPECT_TRUE(host.opened.isEmpty());
    EXPECT_TRUE(ui.messages()[0].text.startsWith(
        QStringLiteral("As the next step in getting started, we recommend")));
    internalData.release();

    // No wizard yet: the first run takes the usual rule.
    host.wizard.reset();
    host.options = {false, QString()};
    ui.clear();
    ASSERT_TRUE(start("/cmd.bdf").started);
    EXPECT_EQ(host.opened, QStringList{"/cmd.bdf"});
    EXPECT_TRUE(ui.messages().isEmpty());
}

}  // namespace
}  // namespace sentrel::app
