// Special > Merge customizations in the real main window: a merge file replayed onto the open
// copy of maindefs.bdf, its applied records journalled in merge.tmp, the views rebuilt and
// the report shown in a window that saves it.
#include <gtest/gtest.h>
#include <QTest>

#include <QFile>
#include <QPushButton>

#include "document/Document.h"
#include "document/Vocabulary.h"
#include "editor/frmMain.h"
#include "editor/lifecycle/MainWindowLifecycle.h"
#include "editor/lifecycle/MergeRecord.h"
#include "editor/lifecycle/frmMergeReport.h"
#include "editor/views/MainWindowViews.h"
#include "shell/ScriptedInteraction.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"
#include "views/WindowSession.h"

using namespace sentrel;

namespace {

QByteArray lines(std::initializer_list<lifecycle::MergeRecord> records) {
    QByteArray text;
    for (const lifecycle::MergeRecord& record : records) text += record.line();
    return text;
}

const lifecycle::MergeRecord kDescription{
    2, {"chrome124", "", "Chrome 124 (our build)", "", "2026-12-01T09:00:00"}};
const lifecycle::MergeRecord kAgent{
    5, {"chrome124", "", "Mozilla/5.0 *OurChrome/124*", "", "2026-12-01T09:00:00"}};
const lifecycle::MergeRecord kMissingType{
    5, {"nosuchbrowser", "", "Mozilla/5.0 *Nothing*", "", "2026-12-01T09:00:00"}};

class MergeCommand : public test::WindowSession {
  protected:
    // Chooses `path` in the merge command's file chooser.
    void mergeFrom(const QString& path) {
        ui.answerFile(path);
        window.dispatcher().dispatch("miSpecialMerge");
    }
    QString agentOf(const QString& type) {
        return life.state().document()->Path(type).Path(mainMod::kUserAgentParam);
    }
    QByteArray journal() const { return test::TempDir::read(dir.file("merge.tmp")); }
    bool saveEnabled() { return window.commandBar().isEnabled("miFileSave"); }
    lifecycle::frmMergeReport* report() const {
        return window.findChild<lifecycle::frmMergeReport*>();
    }

    test::TempDir other;
};

TEST_F(MergeCommand, WithoutAnOpenFileSaysOneIsNeeded) {
    ASSERT_TRUE(life.CloseFile());
    ui.clear();
    window.dispatcher().dispatch("miSpecialMerge");
    const MessageRequest expected{"Merge customizations",
                                  "A definition file must be opened before customizations can "
                                  "be merged into it.",
                                  MsgIcon::Information, MsgButtons::OK, 1};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{expected});
    EXPECT_EQ(ui.events().size(), 1);
    EXPECT_EQ(report(), nullptr);
    EXPECT_EQ(window.commandBar().tool("miSpecialMerge")->caption, "&Merge customizations...");
    EXPECT_TRUE(window.commandBar().isEnabled("miSpecialMerge"));
}

TEST_F(MergeCommand, AppliesJournalsRebuildsAndReports) {
    ASSERT_FALSE(saveEnabled());
    other.write("changes.mrg", lines({kDescription, kAgent, kMissingType}));
    mergeFrom(other.file("changes.mrg"));

    ASSERT_EQ(ui.events().size(), 1);
    const FileRequest& chooser = ui.events()[0].file;
    EXPECT_EQ(ui.events()[0].kind, ScriptedInteraction::Event::Kind::OpenFile);
    EXPECT_EQ(chooser.title, "Choose the merge file");
    EXPECT_EQ(chooser.directory, dir.path());
    EXPECT_EQ(chooser.filters, QStringList({"Merge files (*.mrg)", "All files (*)"}));

    EXPECT_EQ(agentOf("chrome124"), "Mozilla/5.0 *OurChrome/124*");
    EXPECT_EQ(journal(), lines({kDescription, kAgent}));
    EXPECT_TRUE(saveEnabled());
    EXPECT_TRUE(life.state().unsavedChanges);
    EXPECT_TRUE(life.state().bddOutOfDate);
    EXPECT_TRUE(life.state().testBddOutOfDate);
    EXPECT_TRUE(views.quickFindEntries().contains("Chrome 124 (our build)"));
    // The rebuilt views show the root's properties, as after an open.
    EXPECT_GT(views.propertyList().rowCount(), 0);

    ASSERT_NE(report(), nullptr);
    EXPECT_TRUE(report()->isVisible());
    EXPECT_EQ(report()->text(),
              "2 applied, 0 already so, 1 conflict\n"
              "Conflicts:\n"
              "line 3: the browser or folder \"nosuchbrowser\" does not exist: "
              "5,\"nosuchbrowser\",\"\",\"Mozilla/5.0 *Nothing*\",\"\",\"2026-12-01T09:00:00\"\n");
}

TEST_F(MergeCommand, MergingTheFilesOwnMergeFileAddsNothing) {
    other.write("changes.mrg", lines({kDescription, kAgent}));
    mergeFrom(other.file("changes.mrg"));
    window.dispatcher().dispatch("miFileSave");
    ASSERT_EQ(test::TempDir::read(dir.file("maindefs.mrg")), lines({kDescription, kAgent}));
    ASSERT_FALSE(saveEnabled());
    delete report();

    mergeFrom(dir.file("maindefs.mrg"));
    EXPECT_EQ(journal(), QByteArray());
    EXPECT_FALSE(saveEnabled());
    EXPECT_FALSE(life.state().unsavedChanges);
    ASSERT_NE(report(), nullptr);
    EXPECT_EQ(report()->text(), "0 applied, 2 already so, 0 conflicts\n");
}

TEST_F(MergeCommand, AnUnreadableMergeFileChangesNothing) {
    const QString missing = other.file("gone.mrg");
    mergeFrom(missing);
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages()[0],
              (MessageRequest{"Merge customizations",
                              "The customizations could not be merged:\r\nThe file \"" + missing +
                                  "\" does not exist.",
                              MsgIcon::Critical, MsgButtons::OK, 1}));
    EXPECT_EQ(journal(), QByteArray());
    EXPECT_FALSE(saveEnabled());
    EXPECT_EQ(report(), nullptr);
}

// A journal that takes the first record but not the second (a full disk): the merge changes
// neither the document nor the journal and says why; with room again it goes through whole.
TEST_F(MergeCommand, AJournalWriteFailingMidwayChangesNothing) {
    other.write("changes.mrg", lines({kDescription, kAgent, kMissingType}));
    const QString agent = agentOf("chrome124");
    const QString description = life.state().document()->PathValue("chrome124.i__description");
    {
        test::FileSizeLimit roomForOneRecord(kDescription.line().size() + 10);
        mergeFrom(other.file("changes.mrg"));
    }
    EXPECT_EQ(ui.messages(),
              QList<MessageRequest>({{"Merge customizations",
                                      "The customizations could not be merged:\r\nCould not "
                                      "write to \"" +
                                          dir.file("merge.tmp") + "\": File too large",
                                      MsgIcon::Critical, MsgButtons::OK, 1}}));
    EXPECT_EQ(journal(), QByteArray());
    EXPECT_EQ(agentOf("chrome124"), agent);
    EXPECT_EQ(life.state().document()->PathValue("chrome124.i__description"), description);
    EXPECT_FALSE(saveEnabled());
    EXPECT_FALSE(life.state().unsavedChanges);
    EXPECT_EQ(report(), nullptr);

    mergeFrom(other.file("changes.mrg"));
    EXPECT_EQ(journal(), lines({kDescription, kAgent}));
    EXPECT_EQ(agentOf("chrome124"), "Mozilla/5.0 *OurChrome/124*");
    EXPECT_TRUE(saveEnabled());
}

TEST_F(MergeCommand, TheReportWindowSavesItsTextWhole) {
    other.write("changes.mrg", lines({kMissingType}));
    mergeFrom(other.file("changes.mrg"));
    ASSERT_NE(report(), nullptr);
    EXPECT_EQ(report()->saveButton()->text(), "&Save...");
    EXPECT_EQ(report()->closeButton()->text(), "&Close");

    ui.answerFile(std::nullopt);
    EXPECT_FALSE(report()->saveReport());
    ui.answerFile(other.file("report.txt"));
    EXPECT_TRUE(report()->saveReport());
    EXPECT_EQ(QString::fromUtf8(test::TempDir::read(other.file("report.txt"))), report()->text());
    EXPECT_EQ(ui.events().last().file.filters,
              QStringList({"Text files (*.txt)", "All files (*)"}));

    const QString unwritable = other.file("missing/report.txt");
    ui.answerFile(unwritable);
    EXPECT_FALSE(report()->saveReport());
    EXPECT_EQ(ui.messages(),
              QList<MessageRequest>({{"Merge report",
                                      "The report could not be saved to " + unwritable +
                                          ":\r\nNo such file or directory",
                                      MsgIcon::Critical, MsgButtons::OK, 1}}));
    EXPECT_FALSE(QFile::exists(unwritable));

    // Escape closes the report as its Close button does.
    report()->show();
    QTest::keyClick(report(), Qt::Key_Escape);
    EXPECT_FALSE(report() && report()->isVisible());
}

}  // namespace
