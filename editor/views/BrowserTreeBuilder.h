#pragma once

#include <QString>
#include <QStringList>

namespace sentrel::doc {
class Document;
class TypeObject;
}  // namespace sentrel::doc

namespace sentrel::views {

class BrowserTreeModel;

// Fills the browser tree from a document: every live browser type and folder under the
// node of its base type. Types may come in any order; a type whose base has no node yet
// waits for later passes.
class BrowserTreeBuilder {
  public:
    explicit BrowserTreeBuilder(BrowserTreeModel& tree) : tree_(tree) {}

    // Throws AppError "Object does not have parent" when some types never find their base
    // in the tree (a deleted base, a chain that never reaches the root); `lastEntry()` then
    // names the last type being placed.
    void build(doc::Document& document);
    // The same over the named types in the given order.
    void build(doc::Document& document, const QStringList& typeNames);

    // Names of the types marked deleted, in document order.
    const QStringList& deletedNames() const { return deleted_; }
    // Descriptions of the nodes in the order they were added.
    const QStringList& descriptions() const { return descriptions_; }
    const QString& lastEntry() const { return lastEntry_; }

    // Image and selected image of a type's node.
    static QString imageOf(const doc::TypeObject& type);
    static QString selectedImageOf(const QString& image);

  private:
    bool place(doc::TypeObject& type);

    BrowserTreeModel& tree_;
    QStringList deleted_;
    QStringList descriptions_;
    QString lastEntry_;
};

}  // namespace sentrel::views
