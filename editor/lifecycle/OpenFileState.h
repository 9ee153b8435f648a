#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "document/Document.h"
#include "editor/lifecycle/MergeJournal.h"

namespace sentrel::lifecycle {

// The state of the open definition file, shared by every operation on it: the lifecycle,
// the views, the editing operations, the export and the Hit Tester.
class OpenFileState {
  public:
    // The open document; null when no file is open (or while it is being replaced).
    doc::Document* document() const { return document_.get(); }
    bool hasDocument() const { return document_ != nullptr; }
    std::unique_ptr<doc::Document>& documentSlot() { return document_; }
    // Revokes the document's lock, then releases it.
    void releaseDocument();

    // Full path of the open file; empty when none is open.
    QString currentFile;
    // The current file with "mrg" in place of its last three characters; empty when none.
    QString mergeFilePath;

    bool unsavedChanges = false;    // an edit since the last save
    bool bddOutOfDate = false;      // an edit since the BDD beside the file was written
    bool filtersUnsorted = false;   // the filters must be sorted before the next save
    bool filterDialogStale = true;  // the filter dialog must rebuild its property list
    // The Hit Tester's temp.bdd no longer holds these definitions: set by every edit, cleared
    // only by the tester when it has rebuilt or copied temp.bdd (a save writes the BDD beside
    // the file, not temp.bdd, so it must not clear this one).
    bool testBddOutOfDate = true;

    // Browser types marked deleted (`i__type` -1); emptied by Compact.
    QStringList deletedTypes;
    // Fills the deleted-types list from the document.
    void collectDeletedTypes();

    // The temporary merge file with the records of unsaved edits.
    MergeJournal& journal() { return journal_; }
    // How many leading bytes of the journal are records of edits already saved whose move
    // into the merge file failed; they are moved with the next save or at close.
    qint64 savedJournalBytes = 0;

    // The Hit Tester's detection object; released when the file closes.
    std::shared_ptr<void> detectionObject;

  private:
    std::unique_ptr<doc::Document> document_;
    MergeJournal journal_;
};

}  // namespace sentrel::lifecycle
