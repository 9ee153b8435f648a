#include "editor/views/RowListModel.h"

#include <algorithm>

namespace sentrel::views {

RowListModel::RowListModel(QStringList headers, QStringList columnKeys, QObject* parent)
    : QAbstractTableModel(parent),
      headers_(std::move(headers)),
      columnKeys_(std::move(columnKeys)) {}

void RowListModel::reindex() {
    byKey_.clear();
    byKey_.reserve(static_cast<qsizetype>(rows_.size()));
    for (size_t i = 0; i < rows_.size(); ++i) {
        byKey_.insert(rows_[i].key.toLower(), static_cast<int>(i));
    }
}

void RowListModel::clear() {
    setRows({});
}

void RowListModel::setRows(std::vector<ListRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    reindex();
    endResetModel();
}

int RowListModel::appendRow(ListRow row) {
    const int position = size();
    beginInsertRows({}, position, position);
    byKey_.insert(row.key.toLower(), position);
    rows_.push_back(std::move(row));
    endInsertRows();
    return position;
}

void RowListModel::removeRowByKey(const QString& key) {
    const int position = rowOfKey(key);
    if (position < 0) return;
    beginRemoveRows({}, position, position);
    rows_.erase(rows_.begin() + position);
    reindex();
    endRemoveRows();
}

void RowListModel::removeRowsByKey(const QStringList& keys) {
    for (const QString& key : keys) removeRowByKey(key);
}

int RowListModel::rowOfKey(const QString& key) const {
    return byKey_.value(key.toLower(), -1);
}

int RowListModel::findText(const QString& text) const {
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].cells.value(0).compare(text, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QStringList RowListModel::texts() const {
    QStringList result;
    result.reserve(size());
    for (const ListRow& row : rows_) result << row.cells.value(0);
    return result;
}

bool RowListModel::setCell(int row, int column, const QString& text) {
    QStringList& cells = rows_[static_cast<size_t>(row)].cells;
    while (cells.size() <= column) cells << QString();
    if (cells[column] == text) return false;
    cells[column] = text;
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed);
    return true;
}

void RowListModel::setKeyAndText(int row, const QString& key, const QString& text) {
    byKey_.remove(rows_[static_cast<size_t>(row)].key.toLower());
    rows_[static_cast<size_t>(row)].key = key;
    byKey_.insert(key.toLower(), row);
    setCell(row, 0, text);
}

void RowListModel::sortByColumn(int column) {
    sortColumn_ = column;
    emit layoutAboutToBeChanged();
    std::stable_sort(rows_.begin(), rows_.end(), [column](const ListRow& a, const ListRow& b) {
        return a.cells.value(column).compare(b.cells.value(column), Qt::CaseInsensitive) < 0;
    });
    reindex();
    emit layoutChanged();
}

int RowListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : size();
}

int RowListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant RowListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= size()) return {};
    const ListRow& listRow = row(index.row());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return listRow.cells.value(index.column());
        case Qt::DecorationRole:
            if (index.column() != 0 || !images_.contains(listRow.image)) return {};
            return images_.value(listRow.image);
        case KeyRole:
            return listRow.key;
        case ImageRole:
            return listRow.image;
        default:
            return {};
    }
}

bool RowListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != 0 || role != Qt::EditRole) return false;
    const QString text = value.toString();
    if (labelEdit_ && !labelEdit_(row(index.row()).key, text)) return false;
    setCell(index.row(), 0, text);
    return true;
}

QVariant RowListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return headers_.value(section);
}

Qt::ItemFlags RowListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == 0) flags |= Qt::ItemIsEditable;
    return flags;
}

}  // namespace sentrel::views
