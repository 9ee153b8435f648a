#include "editor/views/BrowserTreeModel.h"

#include <algorithm>

namespace sentrel::views {

BrowserTreeModel::BrowserTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

BrowserTreeModel::~BrowserTreeModel() = default;

void BrowserTreeModel::clear() {
    beginResetModel();
    storage_.clear();
    roots_.clear();
    order_.clear();
    byKey_.clear();
    endResetModel();
}

void BrowserTreeModel::beginBulk() {
    beginResetModel();
    bulk_ = true;
}

void BrowserTreeModel::endBulk() {
    bulk_ = false;
    endResetModel();
}

const std::vector<TreeNode*>& BrowserTreeModel::siblingsOf(const TreeNode* parent) const {
    return parent ? parent->children : roots_;
}

bool BrowserTreeModel::addNode(const QString& parentKey, const QString& key, const QString& text,
                               const QString& image, const QString& selectedImage) {
    TreeNode* parent = nullptr;
    if (!parentKey.isEmpty()) {
        parent = byKey_.value(parentKey.toLower());
        if (!parent) return false;
    }
    if (byKey_.contains(key.toLower())) return false;
    auto node =
        std::make_unique<TreeNode>(TreeNode{key, text, image, selectedImage, parent, {}, 0});
    std::vector<TreeNode*>& siblings = parent ? parent->children : roots_;
    node->row = static_cast<int>(siblings.size());
    const QModelIndex parentIndex = parent ? createIndex(parent->row, 0, parent) : QModelIndex();
    if (!bulk_) beginInsertRows(parentIndex, node->row, node->row);
    siblings.push_back(node.get());
    order_.push_back(node.get());
    byKey_.insert(key.toLower(), node.get());
    storage_.push_back(std::move(node));
    if (!bulk_) endInsertRows();
    return true;
}

void BrowserTreeModel::forget(TreeNode* node) {
    for (TreeNode* child : node->children) forget(child);
    byKey_.remove(node->key.toLower());
    std::erase(order_, node);
    std::erase_if(storage_, [node](const auto& owned) { return owned.get() == node; });
}

void BrowserTreeModel::removeNode(const QString& key) {
    TreeNode* node = byKey_.value(key.toLower());
    if (!node) return;
    TreeNode* parent = node->parent;
    std::vector<TreeNode*>& siblings = parent ? parent->children : roots_;
    const int row = node->row;
    beginRemoveRows(parent ? createIndex(parent->row, 0, parent) : QModelIndex(), row, row);
    siblings.erase(siblings.begin() + row);
    for (size_t i = static_cast<size_t>(row); i < siblings.size(); ++i) {
        siblings[i]->row = static_cast<int>(i);
    }
    forget(node);
    endRemoveRows();
}

bool BrowserTreeModel::setText(const QString& key, const QString& text) {
    TreeNode* node = byKey_.value(key.toLower());
    if (!node) return false;
    node->text = text;
    const QModelIndex index = createIndex(node->row, 0, node);
    emit dataChanged(index, index);
    return true;
}

const TreeNode* BrowserTreeModel::node(const QString& key) const {
    return byKey_.value(key.toLower());
}

const TreeNode* BrowserTreeModel::nodeAt(const QModelIndex& index) const {
    return index.isValid() ? static_cast<const TreeNode*>(index.internalPointer()) : nullptr;
}

QModelIndex BrowserTreeModel::indexOf(const QString& key) const {
    TreeNode* found = byKey_.value(key.toLower());
    return found ? createIndex(found->row, 0, found) : QModelIndex();
}

QString BrowserTreeModel::keyAt(const QModelIndex& index) const {
    const TreeNode* found = nodeAt(index);
    return found ? found->key : QString();
}

void BrowserTreeModel::setImageList(const QHash<QString, QIcon>& images) {
    images_ = images;
    iconCache_.clear();
    if (!roots_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, 0));
}

QIcon BrowserTreeModel::iconFor(const TreeNode& node) const {
    const QString cacheKey = node.image + QLatin1Char('|') + node.selectedImage;
    auto cached = iconCache_.constFind(cacheKey);
    if (cached != iconCache_.constEnd()) return *cached;
    // One icon with the selected image as its "selected" mode, so the view switches images
    // by itself when the node is selected.
    QIcon icon;
    const QIcon normal = images_.value(node.image);
    const QIcon selected = images_.value(node.selectedImage, normal);
    for (const QSize& size : normal.availableSizes()) {
        icon.addPixmap(normal.pixmap(size), QIcon::Normal);
    }
    for (const QSize& size : selected.availableSizes()) {
        icon.addPixmap(selected.pixmap(size), QIcon::Selected);
    }
    iconCache_.insert(cacheKey, icon);
    return icon;
}

QModelIndex BrowserTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) return {};
    const std::vector<TreeNode*>& siblings = siblingsOf(nodeAt(parent));
    if (row >= static_cast<int>(siblings.size())) return {};
    return createIndex(row, 0, siblings[static_cast<size_t>(row)]);
}

QModelIndex BrowserTreeModel::parent(const QModelIndex& child) const {
    const TreeNode* node = nodeAt(child);
    if (!node || !node->parent) return {};
    return createIndex(node->parent->row, 0, node->parent);
}

int BrowserTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    return static_cast<int>(siblingsOf(nodeAt(parent)).size());
}

int BrowserTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant BrowserTreeModel::data(const QModelIndex& index, int role) const {
    const TreeNode* node = nodeAt(index);
    if (!node) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return node->text;
        case Qt::DecorationRole:
            return images_.isEmpty() ? QVariant() : QVariant(iconFor(*node));
        case KeyRole:
            return node->key;
        case ImageRole:
            return node->image;
        case SelectedImageRole:
            return node->selectedImage;
        default:
            return {};
    }
}

bool BrowserTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const TreeNode* node = nodeAt(index);
    if (!node || role != Qt::EditRole) return false;
    const QString text = value.toString();
    if (labelEdit_ && !labelEdit_(node->key, text)) return false;
    return setText(node->key, text);
}

Qt::ItemFlags BrowserTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

}  // namespace sentrel::views
