#pragma once

#include <QString>
#include <QStringList>

namespace sentrel::doc {
class Document;
}

namespace sentrel::editing {

class BrowserOperationsView;
class EditHost;

// Creating, describing and deleting the types of the browser tree: a browser through the
// add-browser dialog, a folder through an input box, a browser's identifying user agent, and
// deleting a leaf type. Each change is written to the document, recorded in the merge
// journal, shown in the tree and ends with the host's markModified.
class BrowserOperations {
  public:
    // `deletedTypes` is the open file's list of types marked deleted, emptied by compaction.
    BrowserOperations(EditHost& host, BrowserOperationsView& view, QStringList& deletedTypes)
        : host_(host), view_(view), deletedTypes_(deletedTypes) {}

    // The descriptions of every live browser type and folder, in the document's type order:
    // the parents the add-browser dialog offers.
    static QStringList LoadBrowserParents(doc::Document& document);

    // Adds a browser under the parent chosen in the dialog (preset to the selected node).
    void addBrowser();
    // Creates a folder under the selected node, asking again while the description is taken.
    void createFolder();
    // Sets the selected browser's identifying user-agent pattern; an empty answer changes
    // nothing.
    void setUserAgent();
    // Marks the selected type deleted (it stays in the document until compaction) and takes
    // its node out of the tree. The root and nodes with children are left alone.
    void deleteSelectedType();

  private:
    QString askFolderDescription();
    void addFolder(const QString& description);
    QString findLiveType(const QString& description) const;

    EditHost& host_;
    BrowserOperationsView& view_;
    QStringList& deletedTypes_;
};

}  // namespace sentrel::editing
