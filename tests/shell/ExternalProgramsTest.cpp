#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "shell/ExternalPrograms.h"
#include "shell/ScriptedInteraction.h"
#include "support/RecordingDesktop.h"
#include "support/TempDir.h"

namespace sentrel::test {
namespace {

class ExternalProgramsTest : public ::testing::Test {
  protected:
    QString url(const QString& name) const { return QStringLiteral("file://") + dir.file(name); }
    void makeHelpPages() const {
        QDir().mkpath(dir.file(QStringLiteral("docs/help")));
        dir.write(QStringLiteral("docs/help/index.html"), "<html></html>");
        dir.write(QStringLiteral("docs/help/1172.html"), "<html></html>");
    }

    TempDir dir;
    ScriptedInteraction ui;
    RecordingDesktop desktop;
    ExternalPrograms programs{ui, desktop, dir.path()};
};

const MessageRequest kUpdaterMissing{
    QStringLiteral("Download Manager not installed"),
    QStringLiteral(
        "The Norvane Download Manager is not installed. The likely reason is that you did not "
        "have the sentrel-update program installed at the time you installed Sentrel (and you "
        "still may not). The Download Manager requires the sentrel-update program in the "
        "Sentrel installation folder.  If you wish to run it, please re-run the Sentrel "
        "installation program. Or if you are certain the sentrel-update program was installed "
        "at the time Sentrel was installed, your installation of Sentrel may be corrupted "
        "because the file is missing - try re-running the Sentrel installation program."),
    MsgIcon::Exclamation,
    MsgButtons::OK,
    1,
    0};

TEST_F(ExternalProgramsTest, DownloadManagerStartsOnlyWhenInstalledAndExecutable) {
    programs.LaunchUpdater();
    ASSERT_EQ(ui.messages(), QList<MessageRequest>{kUpdaterMissing});
    EXPECT_TRUE(desktop.programs.isEmpty());

    // A file of that name that cannot be run counts as missing too.
    const QString updater = dir.write(QStringLiteral("sentrel-update"), "#!/bin/sh\n");
    programs.LaunchUpdater();
    EXPECT_EQ(ui.messages().size(), 2);
    EXPECT_TRUE(desktop.programs.isEmpty());

    QFile::setPermissions(updater, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    programs.LaunchUpdater();
    EXPECT_EQ(ui.messages().size(), 2);
    EXPECT_EQ(desktop.programs, QStringList{dir.file(QStringLiteral("sentrel-update"))});
}

TEST_F(ExternalProgramsTest, WhatsNewOpensTheFileOrSaysItIsMissing) {
    programs.showWhatsNew();
    const MessageRequest missing{QStringLiteral("File not found"),
                                 QStringLiteral("Can not find whatsnew.txt file.  Downloading the "
                                                "latest Norvane BDF\r\nwill refresh this file."),
                                 MsgIcon::Exclamation,
                                 MsgButtons::OK,
                                 1,
                                 0};
    ASSERT_EQ(ui.messages(), QList<MessageRequest>{missing});
    EXPECT_TRUE(desktop.urls.isEmpty());

    dir.write(QStringLiteral("whatsnew.txt"), "New in this release\n");
    programs.showWhatsNew();
    EXPECT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(desktop.urls, QStringList{url(QStringLiteral("whatsnew.txt"))});
}

TEST_F(ExternalProgramsTest, HelpOpensTopicContentsAndSupportPages) {
    makeHelpPages();
    programs.ShowHelpTopic(1172);
    programs.showHelpContents();
    programs.openSupportPage();
    // A topic without a page falls back to the contents, never to a page that is not there.
    programs.ShowHelpTopic(4242);
    EXPECT_EQ(desktop.urls, (QStringList{url(QStringLiteral("docs/help/1172.html")),
                                         url(QStringLiteral("docs/help/index.html")),
                                         url(QStringLiteral("docs/help/support.html")),
                                         url(QStringLiteral("docs/help/index.html"))}));
    EXPECT_TRUE(ui.messages().isEmpty());
}

TEST_F(ExternalProgramsTest, HelpPageUrlsSurviveSpacesAndHashesInTheBaseDirectory) {
    const QString base = dir.file(QStringLiteral("my sentrel #1"));
    programs.setBaseDirectory(base);
    QDir().mkpath(base + QStringLiteral("/docs/help"));
    QFile page(base + QStringLiteral("/docs/help/880.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    programs.ShowHelpTopic(880);
    ASSERT_EQ(desktop.urls.size(), 1);
    EXPECT_EQ(QUrl(desktop.urls.front()).toLocalFile(),
              base + QStringLiteral("/docs/help/880.html"));
}

}  // namespace
}  // namespace sentrel::test
