#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTimer>

#include "document/Document.h"
#include "editor/frmMain.h"
#include "editor/lifecycle/ExternalCommands.h"
#include "editor/lifecycle/MainWindowLifecycle.h"
#include "shell/ScriptedInteraction.h"
#include "support/RecordingDesktop.h"
#include "support/TempDir.h"

namespace sentrel::test {
namespace {

// The Special and Help commands of the real main window, with a desktop that records what
// it would open, and the launch-and-wait routine with a real child program.
class ExternalCommandsTest : public ::testing::Test {
  protected:
    ExternalCommandsTest() {
        window.setSettingsFactory([this] {
            return std::make_unique<QSettings>(dir.file("Sentrel.conf"), QSettings::IniFormat);
        });
        wiring.setBaseDirectory(dir.path());
        wiring.lifecycle().recentDocuments().setListPath(dir.file(QStringLiteral("recent.xbel")));
    }

    QString openDefinitions() {
        const QString file = dir.file(QStringLiteral("a.bdf"));
        QFile::copy(QStringLiteral(SENTREL_TEMPLATE), file);
        dir.write(QStringLiteral("a.mrg"), {});
        dir.write(QStringLiteral("a.bdd"), {});
        wiring.lifecycle().OpenFile(file);
        EXPECT_EQ(ui.messageTexts(), QStringList());
        return file;
    }
    void installUpdater() {
        dir.write(QStringLiteral("sentrel-update"), "#!/bin/sh\n");
        QFile::setPermissions(dir.file(QStringLiteral("sentrel-update")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    static MessageRequest closeFirst(const QString& file) {
        return {QStringLiteral("Close BDF?"),
                QStringLiteral("The open BDF ") + file +
                    QStringLiteral(" must be closed\r\nbefore proceeding.  Close this file now?"),
                MsgIcon::Information,
                MsgButtons::YesNo,
                1,
                0};
    }

    TempDir dir;
    ScriptedInteraction ui;
    RecordingDesktop desktop;
    editor::frmMain window{ui};
    std::unique_ptr<doc::Document> internal = doc::Document::create();
    lifecycle::MainWindowLifecycle wiring{ui, window, [this] { return &internal->lru().bdfName; }};
    ExternalPrograms programs{ui, desktop, dir.path()};
    lifecycle::ExternalCommands commands{ui, window, wiring.lifecycle(), programs};
};

TEST_F(ExternalCommandsTest, DownloadClosesTheOpenFileFirstOrStartsNothing) {
    installUpdater();
    const QString updater = dir.file(QStringLiteral("sentrel-update"));
    const QString file = openDefinitions();

    ui.answerMessage(MsgAnswer::No);
    window.dispatcher().dispatch(QStringLiteral("miSpecialDownload"));
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{closeFirst(file)});
    EXPECT_TRUE(desktop.programs.isEmpty());
    EXPECT_TRUE(wiring.lifecycle().state().hasDocument());

    ui.clear();
    ui.answerMessage(MsgAnswer::Yes);
    window.dispatcher().dispatch(QStringLiteral("miSpecialDownload"));
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{closeFirst(file)});
    EXPECT_FALSE(wiring.lifecycle().state().hasDocument());
    EXPECT_EQ(desktop.programs, QStringList{updater});

    // No file open: straight to the download manager.
    ui.clear();
    window.dispatcher().dispatch(QStringLiteral("miSpecialDownload"));
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(desktop.programs, (QStringList{updater, updater}));
}

TEST_F(ExternalCommandsTest, HelpAndWhatsNewCommandsOpenTheirPages) {
    dir.write(QStringLiteral("whatsnew.txt"), "news\n");
    QDir().mkpath(dir.file(QStringLiteral("docs/help")));
    dir.write(QStringLiteral("docs/help/1172.html"), "<html></html>");
    for (const char* tool :
         {"miHelpContents", "miHelpWelcome", "miHelpTechnicalSupport", "miSpecialWhatsNew"})
        window.dispatcher().dispatch(QString::fromLatin1(tool));
    const QString help = QStringLiteral("file://") + dir.file(QStringLiteral("docs/help/"));
    EXPECT_EQ(desktop.urls,
              (QStringList{help + QStringLiteral("index.html"), help + QStringLiteral("1172.html"),
                           help + QStringLiteral("support.html"),
                           QStringLiteral("file://") + dir.file(QStringLiteral("whatsnew.txt"))}));
    EXPECT_TRUE(ui.messages().isEmpty());
}

// While the child runs, the main window refuses to close and the wait window shows the
// message; once it has ended the wait window is gone and the window closes again.
TEST_F(ExternalCommandsTest, RunAndWaitHoldsTheWindowOpenUntilTheProgramEnds) {
    const QString marker = dir.file(QStringLiteral("ended"));
    const QString script =
        dir.write(QStringLiteral("slow.sh"), "#!/bin/sh\nsleep 1\ntouch ended\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    window.show();

    bool closedMeanwhile = true;
    bool waitShown = false;
    bool escapeIgnored = false;
    QString waitTitle;
    QString waitText;
    QTimer::singleShot(200, &window, [&] {
        closedMeanwhile = window.close();
        lifecycle::frmStandBy* wait = commands.waitWindow();
        waitShown = wait && wait->isVisible();
        if (!wait) return;
        waitTitle = wait->windowTitle();
        waitText = wait->message();
        wait->reject();
        escapeIgnored = wait->isVisible();
    });
    commands.runAndWait(script, QStringLiteral("Waiting..."));

    EXPECT_TRUE(QFile::exists(marker));
    EXPECT_FALSE(closedMeanwhile);
    EXPECT_TRUE(waitShown);
    EXPECT_TRUE(escapeIgnored);
    EXPECT_EQ(waitTitle, QStringLiteral("Please wait..."));
    EXPECT_EQ(waitText, QStringLiteral("Waiting..."));
    EXPECT_EQ(commands.waitWindow(), nullptr);
    EXPECT_TRUE(window.close());
}

TEST_F(ExternalCommandsTest, RunAndWaitReturnsAtOnceWhenTheProgramCannotStart) {
    const QString notExecutable = dir.write(QStringLiteral("plain.txt"), "not a program\n");
    commands.runAndWait(notExecutable, QStringLiteral("Waiting..."));
    commands.runAndWait(dir.file(QStringLiteral("missing")), QStringLiteral("Waiting..."));
    EXPECT_EQ(commands.waitWindow(), nullptr);
    EXPECT_TRUE(window.close());
}

}  // namespace
}  // namespace sentrel::test
