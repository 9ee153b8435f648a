// File > Compact replaces the open document by a new object (written to a scratch file and
// bound again from there); a compaction that fails binds the file afresh. The real main
// window, its views and the operations must all work on the new object afterwards.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>

#include "document/Document.h"
#include "editor/frmMain.h"
#include "editor/lifecycle/MainWindowLifecycle.h"
#include "editor/views/MainWindowViews.h"
#include "shell/AppError.h"
#include "shell/ScriptedInteraction.h"
#include "support/TempDir.h"
#include "views/WindowSession.h"

using namespace sentrel;

namespace {

class CompactSession : public test::WindowSession {
  protected:
    QString title() const {
        return window.titleLabel(editor::commands::Pane::PropertyList)->text();
    }
    QString shownValue(const QString& property) {
        const int row = views.propertyList().rowOfKey(property);
        return row < 0 ? QString() : views.propertyList().row(row).cells.value(1);
    }
    // Shows a browser as a click on its tree node does.
    void show(const QString& key) {
        views.selectTreeNode(key);
        views.nodeClick(key);
    }

    // Deletes a browser, saves, compacts: "Compact completed" is the one message.
    void deleteSaveAndCompact(const QString& key) {
        show(key);
        window.dispatcher().dispatch("miBrowsersDelete");
        window.dispatcher().dispatch("miFileSave");
        ASSERT_TRUE(ui.messages().isEmpty());
        window.dispatcher().dispatch("miFileCompact");
    }

    // Sets the browser's user agent through its command, then shows another node and the
    // browser again: what is shown must come from the document the file has now.
    void setAgentAndShowAgain(const QString& key, const QString& agent) {
        show(key);
        ui.answerInput(agent);
        window.dispatcher().dispatch("miBrowsersUserAgent");
        show("chrome130");
        show(key);
    }
};

TEST_F(CompactSession, ViewsFollowTheCompactedDocument) {
    deleteSaveAndCompact("chrome124");
    ASSERT_EQ(ui.messages(), QList<MessageRequest>(
                                 {{"Compact completed", "Definition file successfully compacted.",
                                   MsgIcon::Information}}));
    const doc::Document* compacted = life.state().document();

    show("chrome131");
    EXPECT_EQ(title(), " Browser: Chrome 131  (Mozilla/5.0 (*) AppleWebKit/*Chrome/131.*Safari/*)");
    EXPECT_EQ(shownValue("majorver"), "131");
    setAgentAndShowAgain("chrome131", "*Chrome/131.*");
    EXPECT_EQ(life.state().document(), compacted);
    EXPECT_EQ(title(), " Browser: Chrome 131  (*Chrome/131.*)");
    EXPECT_TRUE(life.state().unsavedChanges);

    window.dispatcher().dispatch("miFileSave");
    EXPECT_EQ(ui.messages().size(), 1);
    auto saved = doc::Document::load(file);
    EXPECT_FALSE(saved->hasType("chrome124"));
    EXPECT_EQ(saved->PathValue("chrome131.i__userAgent"), "*Chrome/131.*");
    EXPECT_EQ(test::TempDir::read(dir.file("maindefs.mrg")),
              "3,\"chrome124\",\"\",\"\",\"\",\"\"\r\n"
              "5,\"chrome131\",\"\",\"*Chrome/131.*\",\"\",\"2026-12-06T10:00:00\"\r\n");
}

// A compaction whose last write fails binds the file on disk again: the views follow that
// document as well.
TEST_F(CompactSession, ViewsFollowTheDocumentBoundAgainAfterAFailedCompaction) {
    life.services().save = [this](doc::Document& document, const QString& path) {
        if (path == file && document.filePath() != file)
            throw AppError(AppError::kDiskFull, QStringLiteral("the disk is full"));
        document.save(path);
    };
    deleteSaveAndCompact("chrome124");
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages()[0].title, "Error Compacting File");
    ASSERT_TRUE(life.state().hasDocument());

    setAgentAndShowAgain("chrome131", "*Chrome/131.0*");
    EXPECT_EQ(title(), " Browser: Chrome 131  (*Chrome/131.0*)");
    window.dispatcher().dispatch("miFileSave");
    EXPECT_EQ(ui.messages().size(), 1);
    auto saved = doc::Document::load(file);
    EXPECT_EQ(saved->PathValue("chrome131.i__userAgent"), "*Chrome/131.0*");
    EXPECT_EQ(saved->PathValue("chrome124.i__type"), "-1");  // still marked, not compacted
}

}  // namespace
