#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <utility>

#include "document/Vocabulary.h"

namespace sentrel::doc {
class Document;
}

namespace sentrel::editing {

class BrowserOperationsView;
class EditHost;

// Creating, describing and deleting the types of the browser tree: a browser through the
// add-browser dialog, a folder through an input box, a browser's identifying user agent, and
// deleting a leaf type. Each change is written to the document together with its merge
// record (or not at all), shown in the tree and ends with the host's markModified.
class BrowserOperations {
  public:
    // `deletedTypes` is the open file's list of types marked deleted, emptied by compaction.
    BrowserOperations(EditHost& host, BrowserOperationsView& view, QStringList& deletedTypes)
        : host_(host), view_(view), deletedTypes_(deletedTypes) {}

    // The descriptions of every live browser type and folder, in the document's type order:
    // the parents the add-browser dialog offers.
    static QStringList LoadBrowserParents(doc::Document& document);

    // Replaces the random draw of the number that ends a new type's name (tests).
    void setNameSuffixSource(mainMod::NameSuffixSource source) { drawSuffix_ = std::move(source); }

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
    using ParamValues = QList<std::pair<QString, QString>>;
    // Adds a browser or folder type with these values and writes its merge record; when a
    // value or the record cannot be written, the type is taken out again.
    void addType(const QString& name, const QString& parent, const ParamValues& values, int code,
                 const std::array<QString, 5>& record);
    QString askFolderDescription();
    void addFolder(const QString& description);
    QString findLiveType(const QString& description) const;

    EditHost& host_;
    BrowserOperationsView& view_;
    QStringList& deletedTypes_;
    mainMod::NameSuffixSource drawSuffix_ = mainMod::randomNameSuffix;
};

}  // namespace sentrel::editing
