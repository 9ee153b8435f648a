#pragma once

#include <QString>

#include "editor/lifecycle/DocumentSaver.h"
#include "editor/lifecycle/LifecycleContext.h"
#include "editor/lifecycle/StructureUpgrade.h"

namespace sentrel::lifecycle {

// The life of the open definition file: open (with the structure upgrade), close, save,
// save under a new name, new file from the template and compact, together with the merge
// file, the temporary merge file, the BDD and the recent-files list. At most one file is
// open; its state (`state()`) is what every other operation on the file works with.
// The user is reached only through the interaction, the window only through the view.
class FileLifecycle {
  public:
    FileLifecycle(Interaction& interaction, LifecycleView& view,
                  RecentFiles::ListSource recentList = {});

    // Where the template, "merge.tmp" and the compaction scratch file are.
    void setBaseDirectory(const QString& baseDirectory);
    const QString& baseDirectory() const { return context_.baseDirectory; }
    // The option store: "verIncrement" and the version fields of the open file.
    void setOptionStore(OptionStore* options) { context_.options = options; }
    LifecycleServices& services() { return context_.services; }
    OpenFileState& state() { return context_.state; }
    RecentFiles& recentFiles() { return context_.recent; }
    RecentDocuments& recentDocuments() { return context_.shellRecent; }

    // Opens a definition file; an empty path asks the user for one. A relative path is taken
    // against the current folder.
    void OpenFile(const QString& path);
    // Closes the open file, asking to save changes first. False when the user cancelled or
    // the save he asked for failed: the file then stays open with its changes.
    // `keepDisplay` keeps the views and the document for an open that follows; it comes
    // back false when the display was cleared after all.
    bool CloseFile(bool& keepDisplay, bool keepTemporaryMerge);
    bool CloseFile();
    bool SaveFile() { return saver_.SaveFile(); }
    bool SaveFileAs() { return saver_.SaveFileAs(); }
    void NewFile();
    void CompactFile();
    // Binds the path and fills the views; true on success.
    bool LoadDefinitionFile(const QString& path);
    bool upgradeBDF(std::unique_ptr<doc::Document>& document, const QString& path);
    // Empties the views and releases the document.
    void ClearDisplay();

    // The step every editing operation ends with: Save enabled, the file marked as changed.
    // A change made outside an edit step can be taken back by no undo, so the saved state
    // is then out of the history's reach.
    void markModified();
    // The undo history of the open file.
    EditHistory& history() { return context_.history; }
    // Runs a change of the open document as one step of the history, named `text`.
    void runAsStep(const QString& text, const std::function<void()>& change);
    // Shows a document that changed as a whole (a merge, an undo, a redo): the views are
    // rebuilt and the node selected before is selected again; a failure is reported under
    // `title`.
    void showChangedDocument(const QString& title);
    // Sorts the filters by priority when they are marked unsorted.
    bool sortFilters();
    // Appends one record to the temporary merge file (throws AppError when no file is open
    // or the write fails).
    void WriteMergeRecord(int code, const QString& field1, const QString& field2,
                          const QString& field3, const QString& field4, const QString& field5);
    bool AppendMergeTemp() {
        return saver_.AppendMergeTemp(context_.state.mergeFilePath, context_.state.mergeFilePath);
    }

  private:
    bool loadChosenFile(const QString& path);
    void fillViews(const QString& path, QString& lastEntry);
    void offerExport();
    bool confirmMergeFile(const QString& pathArgument);
    bool openMergeFiles();
    bool inReadOnlyFolder() const;
    void reopenFromDisk(const QString& path);
    void releaseJournal(bool keepTemporaryMerge, const QString& mergeFile);
    bool keepLeftoverRecords();
    QString chooseFile();
    void showObjectUpdate();
    void joinHistory();
    void followCleanState(bool clean);

    LifecycleContext context_;
    DocumentSaver saver_;
    StructureUpgrade upgrade_;
    QString closedFile_;  // the file the last close closed
    // Records of saved edits a close left in "merge.tmp" because they could be kept nowhere
    // else, with the merge file they belong to.
    struct StrandedRecords {
        QString mergeFile;
        QByteArray records;
    } stranded_;
};

}  // namespace sentrel::lifecycle
