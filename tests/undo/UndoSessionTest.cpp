// Edit > Undo and Edit > Redo in the real main window on a copy of maindefs.bdf: every edit
// is one step that undo takes back (the document, the views and the modified mark) while
// merge.tmp gets the records that take the change back, so the merge file stays true.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QUndoStack>
#include <QUndoView>
#include <deque>
#include <functional>

#include "document/Vocabulary.h"
#include "document/merge/MergeReplay.h"
#include "editing/BrowFormFields.h"
#include "editing/FilterFormFields.h"
#include "editing/PropFormFields.h"
#include "editing/QtPrinters.h"
#include "editor/CommandTable.h"
#include "editor/lifecycle/MergeRecord.h"
#include "support/DocumentContent.h"
#include "support/FileSizeLimit.h"
#include "views/WindowSession.h"

namespace sentrel::test {
namespace {

namespace bf = editing::browform;
namespace ff = editing::filterform;
namespace pf = editing::propform;

const QString kSample = QStringLiteral(SENTREL_SAMPLE_DEFINITIONS);

QVariantMap filterForm(const QString& property, const QString& match, const QString& value,
                       const QString& priority) {
    return {{ff::kProperty, property},
            {ff::kMatchCondition, match},
            {ff::kValue, value},
            {ff::kPriority, priority},
            {ff::kBasedOn, mainMod::filterKinds()[0].displayName},
            {ff::kData, QString()}};
}

// The content of a definition file, read without its lock.
QStringList contentOf(const QString& path) {
    return documentContent(*doc::Document::load(path));
}

class UndoSession;

// One edit of each kind, made as a user makes it. Round 1 edits what round 0 left.
struct Edit {
    const char* name;
    const char* undoCaption;  // after round 0
    std::function<void(UndoSession&, int round)> make;
};

class UndoSession : public WindowSession {
  protected:
    UndoSession() {
        panes.filterOperations().setIdSource([this] {
            const int id = ids_.front();
            ids_.pop_front();
            return id;
        });
    }

    doc::Document& document() { return *life.state().document(); }
    QByteArray snapshot() { return document().snapshot(); }
    QByteArray journal() const { return TempDir::read(dir.file("merge.tmp")); }
    QUndoStack& stack() { return life.history().stack(); }
    void command(const char* tool) { window.dispatcher().dispatch(QString::fromLatin1(tool)); }
    void undo() { command("miEditUndo"); }
    void redo() { command("miEditRedo"); }
    const editor::CommandTool& tool(const char* name) {
        return *window.commandBar().tool(QString::fromLatin1(name));
    }
    bool enabled(const char* name) { return tool(name).enabled; }

    void select(const QString& key) {
        views.treeSelection().setCurrentIndex(views.tree().indexOf(key),
                                              QItemSelectionModel::ClearAndSelect);
        views.nodeClick(key);
    }
    void selectRows(QItemSelectionModel& selection, views::RowListModel& list,
                    const QStringList& keys) {
        selection.clearSelection();
        for (const QString& key : keys) {
            selection.select(list.index(list.rowOfKey(key), 0),
                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    void selectProperties(const QStringList& names) {
        selectRows(views.propertySelection(), views.propertyList(), names);
    }
    void selectFilters(const QStringList& keys) {
        selectRows(views.filterSelection(), views.filterList(), keys);
    }
    bool treeHas(const QString& key) { return views.tree().indexOf(key).isValid(); }

    // The merge file `records` replayed onto the file as it was opened.
    QStringList replayedContent(const QByteArray& records) {
        const std::unique_ptr<doc::Document> original = doc::Document::load(kSample);
        const doc::ReplayReport report = doc::MergeReplay(*original).replay(records);
        EXPECT_EQ(report.count(doc::ReplayOutcome::Conflict), 0) << report.text().toStdString();
        return documentContent(*original);
    }
    QStringList shownContent() { return documentContent(document()); }
    static std::vector<Edit> edits();

    TempDir other;
    std::deque<int> ids_{7001, 7002, 7003, 7004, 7005, 7006, 7007, 7008, 7009, 7010};
};

std::vector<Edit> UndoSession::edits() {
    return {
        {"add property", "&Undo Add property 'Channel0'",
         [](UndoSession& s, int round) {
             s.select("chrome");
             s.ui.answerDialog({{pf::kName, QStringLiteral("Channel%1").arg(round)},
                                {pf::kDataType, "String"},
                                {pf::kValue, "stable"},
                                {pf::kDefaultValue, "none"}});
             s.command("miPropertiesAdd");
         }},
        {"change property for the children", "&Undo Change property 'Cookies'",
         [](UndoSession& s, int round) {
             s.select("chrome");
             s.selectProperties({"Cookies"});
             s.ui.answerDialog({{pf::kValue, round == 0 ? "False" : "True"}, {pf::kApply, true}});
             s.command("miPropertiesChange");
         }},
        {"rename property", "&Undo Rename property 'Language'",
         [](UndoSession& s, int round) {
             ASSERT_TRUE(round == 0 ? s.views.propertyLabelEdit("Language", "Lang")
                                    : s.views.propertyLabelEdit("Lang", "Tongue"));
         }},
        {"remove two properties", "&Undo Remove 2 properties",
         [](UndoSession& s, int round) {
             s.select("chrome131");
             s.selectProperties(round == 0 ? QStringList{"Tablet", "SSL"}
                                           : QStringList{"MobileDevice", "ClientCertName"});
             s.ui.answerMessage(MsgAnswer::OK);
             s.command("miPropertiesRemove");
         }},
        {"add browser", "&Undo Add browser 'Our Chrome 0'",
         [](UndoSession& s, int round) {
             s.select("chrome");
             s.ui.answerDialog({{bf::kDescription, QStringLiteral("Our Chrome %1").arg(round)},
                                {bf::kParent, "Google Chrome"},
                                {bf::kUserAgent, "*Chrome/132.*"}});
             s.command("miBrowsersAdd");
         }},
        {"create folder", "&Undo Create folder 'Tablets'",
         [](UndoSession& s, int round) {
             s.select("mobile");
             s.ui.answerInput(round == 0 ? QStringLiteral("Tablets") : QStringLiteral("Phablets"));
             s.command("miBrowsersCreateFolder");
         }},
        {"set user agent", "&Undo Set user agent of 'Chrome 130'",
         [](UndoSession& s, int round) {
             s.select("chrome130");
             s.ui.answerInput(QStringLiteral("*Chrome/130.%1*").arg(round));
             s.command("miBrowsersUserAgent");
         }},
        {"delete browser", "&Undo Delete 'Chrome 124'",
         [](UndoSession& s, int round) {
             s.select(round == 0 ? "chrome124" : "chrome125");
             s.command("miBrowsersDelete");
         }},
        {"describe browser", "&Undo Change description of 'Safari 17'",
         [](UndoSession& s, int round) {
             ASSERT_TRUE(round == 0 ? s.views.treeLabelEdit("safari17", "Safari Seventeen")
                                    : s.views.treeLabelEdit("safari16", "Safari Sixteen"));
         }},
        {"add filter", "&Undo Add filter for 'DeviceType'",
         [](UndoSession& s, int) {
             s.ui.answerDialog(filterForm("DeviceType", "*iPad*", "Tablet", "2"));
             s.command("miFiltersAdd");
         }},
        {"change filter", "&Undo Change filter for 'Platform'",
         [](UndoSession& s, int round) {
             s.selectFilters({round == 0 ? "K1" : "K5"});
             s.ui.answerDialog(filterForm("Platform", "*Windows*", "Win", "5"));
             s.command("miFiltersChange");
         }},
        {"change filter property", "&Undo Change filter for 'Maker'",
         [](UndoSession& s, int round) {
             ASSERT_TRUE(s.views.filterLabelEdit(round == 0 ? "K2" : "K6", "Maker"));
         }},
        {"remove two filters", "&Undo Remove 2 filters",
         [](UndoSession& s, int round) {
             s.selectFilters(round == 0 ? QStringList{"K3", "K4"} : QStringList{"K7", "K8"});
             s.ui.answerMessage(MsgAnswer::OK);
             s.command("miFiltersRemove");
         }},
    };
}

// Each edit: undo gives back the document as it was (the same bytes), the modified mark
// and the views; redo the edited one; the merge journal replays to what is shown at every
// step, and the saved file and merge file hold the redone edit.
TEST_F(UndoSession, EveryEditIsUndoneAndRedone) {
    for (const Edit& edit : edits()) {
        SCOPED_TRACE(edit.name);
        if (!life.state().hasDocument()) life.OpenFile(file);  // the file as it is on disk
        const QByteArray opened = snapshot();
        const QStringList openedContent = shownContent();
        const int rows = views.filterList().rowCount();

        edit.make(*this, 0);
        const QByteArray edited = snapshot();
        const QStringList editedContent = shownContent();
        const QByteArray doneRecords = journal();
        ASSERT_NE(edited, opened);
        ASSERT_FALSE(doneRecords.isEmpty());
        EXPECT_EQ(stack().count(), 1);
        EXPECT_EQ(tool("miEditUndo").caption, edit.undoCaption);
        EXPECT_TRUE(enabled("miEditUndo"));
        EXPECT_TRUE(enabled("miFileSave"));

        undo();
        EXPECT_EQ(snapshot(), opened);
        EXPECT_FALSE(life.state().unsavedChanges);
        EXPECT_FALSE(enabled("miFileSave"));
        EXPECT_FALSE(enabled("miEditUndo"));
        EXPECT_EQ(tool("miEditRedo").caption, QString(edit.undoCaption).replace("&Undo", "&Redo"));
        EXPECT_EQ(views.filterList().rowCount(), rows);
        EXPECT_TRUE(life.state().testBddOutOfDate);
        EXPECT_TRUE(life.state().filterDialogStale);
        const QByteArray undone = journal();
        ASSERT_TRUE(undone.startsWith(doneRecords));
        EXPECT_GT(undone.size(), doneRecords.size());
        EXPECT_EQ(replayedContent(undone), openedContent);

        redo();
        EXPECT_EQ(snapshot(), edited);
        EXPECT_TRUE(life.state().unsavedChanges);
        EXPECT_TRUE(enabled("miFileSave"));
        ASSERT_TRUE(journal().startsWith(undone));
        const QByteArray redone = journal().mid(undone.size());
        const std::string name = edit.name;
        if (name == "add browser" || name == "create folder") {
            // The type the undo marked deleted comes back by record 13.
            EXPECT_TRUE(redone.startsWith("13,")) << redone.toStdString();
        } else {
            EXPECT_EQ(redone, doneRecords);
        }
        EXPECT_EQ(replayedContent(journal()), editedContent);

        const QByteArray mergeFileBefore = TempDir::read(dir.file("maindefs.mrg"));
        ui.answerFile(dir.file("edited.bdf"));
        ASSERT_TRUE(life.SaveFileAs());
        EXPECT_EQ(TempDir::read(dir.file("edited.mrg")), mergeFileBefore + undone + redone);
        EXPECT_EQ(contentOf(dir.file("edited.bdf")), editedContent);
        EXPECT_EQ(replayedContent(TempDir::read(dir.file("edited.mrg"))), editedContent);
        ASSERT_TRUE(life.CloseFile());
        QFile::remove(dir.file("edited.bdf"));
        QFile::remove(dir.file("edited.mrg"));
    }
}

TEST_F(UndoSession, RemovingAPropertyWithDeleteComesBackWithItsValuesAndFilters) {
    select("chrome131");
    const QStringList rows = views.propertyList().texts();
    const int filterRows = views.filterList().rowCount();
    selectProperties({"Cookies"});
    command(editor::commands::deleteToolFor(editor::commands::Pane::PropertyList)
                .toLatin1()
                .constData());
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_FALSE(views.propertyList().texts().contains("Cookies"));
    EXPECT_EQ(views.filterList().rowCount(), filterRows - 1);
    const QByteArray removed = journal();
    EXPECT_EQ(removed, "9,\"Cookies\",\"\",\"\",\"\",\"\"\r\n");
    EXPECT_EQ(tool("miEditUndo").caption, "&Undo Remove property 'Cookies'");

    undo();
    EXPECT_EQ(views.selectedTypeName(), "chrome131");
    EXPECT_EQ(views.propertyList().texts(), rows);
    EXPECT_EQ(views.filterList().rowCount(), filterRows);
    const QList<QByteArray> undoRecords = journal().mid(removed.size()).split('\n');
    EXPECT_EQ(undoRecords.front(),
              "6,\"Cookies\",\"DefaultBrowser\",\"Boolean\",\"False\",\"False\"\r");
    EXPECT_TRUE(
        undoRecords.contains("8,\"desktop\",\"Cookies\",\"True\",\"\",\"2026-12-06T10:00:00\"\r"));
    EXPECT_EQ(undoRecords[undoRecords.size() - 2],
              "10,12,\"Cookies\",\"1\",\"True|1|sentrel_cookie_check\",\"1100\"\r");
}

TEST_F(UndoSession, TheQuestionBeforeRemovingSeveralSaysItCanBeUndone) {
    select("chrome131");
    selectProperties({"Platform", "PlatformVersion"});
    ui.answerMessage(MsgAnswer::Cancel);
    command("miPropertiesRemove");
    selectFilters({"K1", "K2"});
    ui.answerMessage(MsgAnswer::Cancel);
    command("miFiltersRemove");
    const QList<MessageRequest> expected{
        {"Remove multiple browser properties",
         "You have chosen to remove 2 properties from all defined browsers.\n"
         "You can undo this with Edit > Undo.  Do you wish to procede?",
         MsgIcon::Question, MsgButtons::OKCancel, 2},
        {"Remove multiple filters confirmation",
         "You have chosen to remove 2 filters. You can undo this\n"
         "with Edit > Undo.  Do you wish to procede?",
         MsgIcon::Question, MsgButtons::OKCancel, 2}};
    EXPECT_EQ(ui.messages(), expected);
    EXPECT_EQ(stack().count(), 0);
}

// Twenty edits of every kind, all undone: the document is the one opened, byte for byte,
// and nothing is left to save. Replaying the journal gives the opened file too.
TEST_F(UndoSession, TwentyMixedEditsUndoneToTheStart) {
    const QByteArray opened = snapshot();
    const QStringList openedContent = shownContent();
    const std::vector<Edit> all = edits();
    for (size_t i = 0; i < 20; ++i) {
        const Edit& edit = all[i % all.size()];
        SCOPED_TRACE(edit.name);
        edit.make(*this, i < all.size() ? 0 : 1);
    }
    ASSERT_EQ(stack().count(), 20);
    while (enabled("miEditUndo")) undo();
    EXPECT_EQ(stack().index(), 0);
    EXPECT_EQ(snapshot(), opened);
    EXPECT_FALSE(life.state().unsavedChanges);
    EXPECT_FALSE(enabled("miFileSave"));
    EXPECT_TRUE(enabled("miEditRedo"));
    EXPECT_EQ(replayedContent(journal()), openedContent);
}

TEST_F(UndoSession, RedoAfterANewEditIsImpossible) {
    const std::vector<Edit> all = edits();
    all[6].make(*this, 0);  // set user agent
    undo();
    EXPECT_TRUE(enabled("miEditRedo"));
    all[7].make(*this, 0);  // delete browser
    EXPECT_FALSE(enabled("miEditRedo"));
    EXPECT_EQ(tool("miEditRedo").caption, "&Redo");
    const QByteArray before = snapshot();
    redo();
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(stack().count(), 1);
}

// A run with undos, saved: the merge file replayed onto the file as it was opened gives the
// saved file, apart from what no record carries.
TEST_F(UndoSession, TheMergeFileOfARunWithUndosReplaysToTheSavedFile) {
    const std::vector<Edit> all = edits();
    for (size_t i = 0; i < all.size(); ++i) {
        all[i].make(*this, 0);
        if (i % 3 == 2) undo();
    }
    undo();
    undo();
    redo();
    ui.answerFile(dir.file("run.bdf"));
    ASSERT_TRUE(life.SaveFileAs());
    EXPECT_EQ(replayedContent(TempDir::read(dir.file("run.mrg"))), contentOf(dir.file("run.bdf")));
}

// Save marks the history clean: undoing past the save marks the file modified, coming back
// clears the mark. Compact, Close and Open start a new history; an edit outside the
// history keeps the mark whatever is undone.
TEST_F(UndoSession, TheModifiedMarkFollowsTheHistory) {
    const std::vector<Edit> all = edits();
    all[0].make(*this, 0);
    ASSERT_TRUE(life.SaveFile());
    EXPECT_FALSE(enabled("miFileSave"));
    EXPECT_TRUE(enabled("miEditUndo"));  // saving keeps the history
    undo();
    EXPECT_TRUE(life.state().unsavedChanges);
    EXPECT_TRUE(enabled("miFileSave"));
    redo();
    EXPECT_FALSE(life.state().unsavedChanges);
    EXPECT_FALSE(enabled("miFileSave"));

    all[7].make(*this, 0);
    ASSERT_TRUE(life.SaveFile());
    command("miFileCompact");
    EXPECT_EQ(stack().count(), 0);
    EXPECT_FALSE(enabled("miEditUndo"));

    all[6].make(*this, 1);
    life.markModified();  // a change made outside any step
    undo();
    EXPECT_TRUE(life.state().unsavedChanges);
    redo();
    EXPECT_TRUE(life.state().unsavedChanges);

    ui.answerMessage(MsgAnswer::No);
    ASSERT_TRUE(life.CloseFile());
    EXPECT_EQ(stack().count(), 0);
    EXPECT_FALSE(enabled("miEditUndo"));
    EXPECT_FALSE(enabled("miEditRedo"));
}

// What a save stamped into the file stays: undoing an edit made before the save does not take
// the file's last update (or its version) back to an earlier save's.
TEST_F(UndoSession, UndoKeepsWhatTheSaveStampedIntoTheFile) {
    const QDateTime opened = doc::internals::BDFLastUpdate(document());
    edits()[6].make(*this, 0);
    ASSERT_TRUE(life.SaveFile());
    const QDateTime saved = doc::internals::BDFLastUpdate(document());
    ASSERT_NE(saved, opened);
    undo();
    EXPECT_EQ(doc::internals::BDFLastUpdate(document()), saved);
    redo();
    EXPECT_EQ(doc::internals::BDFLastUpdate(document()), saved);
    EXPECT_FALSE(life.state().unsavedChanges);
}

// A full disk while an undo writes its records: the user is told, and the document, the
// journal, the history and the modified mark all stay as they were, so nothing is lost.
TEST_F(UndoSession, AnUndoWhoseRecordsCannotBeWrittenChangesNothing) {
    edits()[7].make(*this, 0);  // delete browser
    const QByteArray edited = snapshot();
    const QByteArray records = journal();
    {
        const FileSizeLimit full(static_cast<rlim_t>(records.size()));
        undo();
    }
    ASSERT_EQ(ui.messages().size(), 1);
    const MessageRequest& told = ui.messages().front();
    EXPECT_EQ(told.title, "Error during merge save");
    EXPECT_EQ(told.icon, MsgIcon::Critical);
    EXPECT_EQ(told.buttons, MsgButtons::OK);
    EXPECT_TRUE(told.text.startsWith("Error #")) << told.text.toStdString();
    EXPECT_TRUE(
        told.text.endsWith("\r\nThe file was left as it was: nothing was undone or redone."));
    EXPECT_EQ(snapshot(), edited);
    EXPECT_EQ(journal(), records);
    EXPECT_EQ(stack().index(), 1);
    EXPECT_TRUE(enabled("miEditUndo"));
    EXPECT_FALSE(enabled("miEditRedo"));
    EXPECT_TRUE(life.state().unsavedChanges);
    EXPECT_FALSE(treeHas("chrome124"));

    undo();  // with room again
    EXPECT_TRUE(treeHas("chrome124"));
    EXPECT_EQ(stack().index(), 0);
}

TEST_F(UndoSession, TheHistoryWindowListsTheStepsAndGoesToTheOneChosen) {
    const QByteArray opened = snapshot();
    const std::vector<Edit> all = edits();
    all[2].make(*this, 0);
    all[9].make(*this, 0);
    command("miViewUndoHistory");
    QUndoView& history = wiring.undoCommands().historyWindow();
    EXPECT_TRUE(history.isVisible());
    EXPECT_EQ(history.windowTitle(), "Undo history");
    ASSERT_EQ(history.model()->rowCount(), 3);
    EXPECT_EQ(history.model()->index(2, 0).data().toString(), "Add filter for 'DeviceType'");
    history.setCurrentIndex(history.model()->index(0, 0));
    EXPECT_EQ(snapshot(), opened);
    EXPECT_FALSE(life.state().unsavedChanges);
    EXPECT_TRUE(enabled("miViewUndoHistory"));
}

// The merge command and the version change of Preferences and Options are steps too.
TEST_F(UndoSession, AMergeAndAVersionChangeAreTakenBackWhole) {
    const QByteArray opened = snapshot();
    const int minor = doc::internals::BDFMinorver(document());
    other.write(
        "changes.mrg",
        lifecycle::MergeRecord{2, {"chrome124", "", "Chrome 124 (ours)", "", "2026-12-01"}}.line() +
            lifecycle::MergeRecord{9, {"Beta", "", "", "", ""}}.line());
    ui.answerFile(other.file("changes.mrg"));
    command("miSpecialMerge");
    ASSERT_EQ(stack().count(), 1);
    EXPECT_EQ(tool("miEditUndo").caption, "&Undo Merge customizations");

    life.runAsStep("Change version", [&] {
        doc::internals::setBDFMinorver(document(), minor + 1);
        life.markModified();
    });
    EXPECT_EQ(tool("miEditUndo").caption, "&Undo Change version");
    undo();
    EXPECT_EQ(doc::internals::BDFMinorver(document()), minor);
    EXPECT_EQ(window.statusPanels().text("Version"),
              QStringLiteral(" BDF Version: %1.%2  ")
                  .arg(doc::internals::BDFMajorVer(document()))
                  .arg(minor, 2, 10, QLatin1Char('0')));
    EXPECT_TRUE(life.state().unsavedChanges) << "the merge is still there";

    undo();
    EXPECT_EQ(snapshot(), opened);
    EXPECT_TRUE(views.propertyList().texts().contains("Beta"));
    EXPECT_FALSE(life.state().unsavedChanges);
    EXPECT_EQ(replayedContent(journal()), documentContent(document()));
}

}  // namespace
}  // namespace sentrel::test
