#pragma once

#include <QAbstractItemModel>
#include <QHash>
#include <QIcon>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace sentrel::views {

// One node of the browser tree: a live browser type or folder.
struct TreeNode {
    QString key;   // the type's name
    QString text;  // its description
    QString image;
    QString selectedImage;
    TreeNode* parent = nullptr;
    std::vector<TreeNode*> children;
    int row = 0;  // position among its parent's children
};

// The browser tree: types and folders arranged by inheritance, one column. Keys are
// matched without regard to case, as type names are. Nodes keep the order they were added
// in ("node order"), which quick find searches.
class BrowserTreeModel : public QAbstractItemModel {
    Q_OBJECT
  public:
    enum Role { KeyRole = Qt::UserRole + 1, ImageRole, SelectedImageRole };
    // Decides a label edit of a node: true keeps the new text.
    using LabelEditHandler = std::function<bool(const QString& key, const QString& newText)>;

    explicit BrowserTreeModel(QObject* parent = nullptr);
    ~BrowserTreeModel() override;

    void clear();
    // Many adds at once: the views are told once, at the end.
    void beginBulk();
    void endBulk();
    // Adds a node under `parentKey` (a top-level node when empty); false when the parent
    // does not exist or the key is taken.
    bool addNode(const QString& parentKey, const QString& key, const QString& text,
                 const QString& image, const QString& selectedImage);
    // Removes a node and everything below it.
    void removeNode(const QString& key);
    bool setText(const QString& key, const QString& text);

    const TreeNode* node(const QString& key) const;
    const TreeNode* nodeAt(const QModelIndex& index) const;
    QModelIndex indexOf(const QString& key) const;
    QString keyAt(const QModelIndex& index) const;
    // Every node in the order it was added.
    const std::vector<TreeNode*>& nodesInOrder() const { return order_; }
    int nodeCount() const { return static_cast<int>(order_.size()); }

    // The image list: image keys to icons (nodes with unknown keys draw none).
    void setImageList(const QHash<QString, QIcon>& images);
    void setLabelEditHandler(LabelEditHandler handler) { labelEdit_ = std::move(handler); }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    const std::vector<TreeNode*>& siblingsOf(const TreeNode* parent) const;
    void forget(TreeNode* node);
    QIcon iconFor(const TreeNode& node) const;

    std::vector<std::unique_ptr<TreeNode>> storage_;
    std::vector<TreeNode*> roots_;
    std::vector<TreeNode*> order_;
    QHash<QString, TreeNode*> byKey_;  // lower-cased key
    QHash<QString, QIcon> images_;
    mutable QHash<QString, QIcon> iconCache_;  // "image|selected image"
    LabelEditHandler labelEdit_;
    bool bulk_ = false;
};

}  // namespace sentrel::views
