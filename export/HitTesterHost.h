#pragma once

#include <QString>
#include <memory>

namespace sentrel::doc {
class Document;
}

namespace sentrel::exporting {

// What the Hit Tester needs of the main window: the open file and its marks, the export to
// temp.bdd, the wait window, the status bar and the browser tree. The main window implements
// it; tests use a fake.
class HitTesterHost {
  public:
    virtual ~HitTesterHost() = default;

    // The open document; null when no file is open.
    virtual doc::Document* document() = 0;
    // The open definition file's path.
    virtual QString currentFile() const = 0;
    // Where temp.bdd lies.
    virtual QString baseDirectory() const = 0;
    virtual bool hasUnsavedChanges() const = 0;

    // The tester's own mark: temp.bdd does not hold the open definitions.
    virtual bool temporaryBddOutOfDate() const = 0;
    virtual void setTemporaryBddOutOfDate(bool outOfDate) = 0;

    // Sorts the filters when they are marked as needing it.
    virtual void sortPendingFilters() = 0;
    // Writes the BDD of the open document to `target` without progress display; reports its
    // own failures to the user.
    virtual void exportTo(const QString& target) = 0;

    // The slot that holds the tester's detection object while the file is open; the main
    // window empties it when the file closes.
    virtual std::shared_ptr<void>& detectionObject() = 0;

    // The wait window with a message, shown at once; and hidden again.
    virtual void showWaitWindow(const QString& message) = 0;
    virtual void hideWaitWindow() = 0;
    // Lets pending window events run (repaints included).
    virtual void processEvents() = 0;
    // The busy pointer; the first status-bar panel ("" clears it).
    virtual void setBusy(bool busy) = 0;
    virtual void setStatusText(const QString& text) = 0;

    // The key of the selected node of the browser tree; empty when none.
    virtual QString selectedTreeKey() const = 0;
    // Selects the tree node with that key alone, makes it visible and lists its properties.
    virtual void showTreeNode(const QString& key) = 0;
};

}  // namespace sentrel::exporting
