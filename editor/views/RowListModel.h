#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <QStringList>
#include <functional>
#include <vector>

namespace sentrel::views {

// One row of a list view: its key, the text of each column, the image key of the first.
struct ListRow {
    QString key;
    QStringList cells;
    QString image;
};

// A list of rows with keys, as the property list and the filter list show them. Keys are
// matched without regard to case. Only the first column can be edited in place; the edit
// handler decides whether a new text is kept. Sorting is done on request (a column click
// sorts once; rows added later are appended unsorted).
class RowListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Role { KeyRole = Qt::UserRole + 1, ImageRole };
    using LabelEditHandler = std::function<bool(const QString& key, const QString& newText)>;

    RowListModel(QStringList headers, QStringList columnKeys, QObject* parent = nullptr);

    void clear();
    void setRows(std::vector<ListRow> rows);
    // Appends a row and answers its position.
    int appendRow(ListRow row);
    void removeRowByKey(const QString& key);
    void removeRowsByKey(const QStringList& keys);

    int rowOfKey(const QString& key) const;
    // The first row whose first-column text equals `text` (any case); -1 when none.
    int findText(const QString& text) const;
    const ListRow& row(int index) const { return rows_[static_cast<size_t>(index)]; }
    int size() const { return static_cast<int>(rows_.size()); }
    // The first-column texts, in row order.
    QStringList texts() const;

    // Changes one cell; answers whether the text was different.
    bool setCell(int row, int column, const QString& text);
    // Gives a row a new key and first-column text.
    void setKeyAndText(int row, const QString& key, const QString& text);

    // Sorts the rows by a column, ascending, without regard to case; equal texts keep
    // their order. The column becomes the sort column.
    void sortByColumn(int column);
    int sortColumn() const { return sortColumn_; }
    const QStringList& columnKeys() const { return columnKeys_; }

    void setImageList(const QHash<QString, QIcon>& images) { images_ = images; }
    void setLabelEditHandler(LabelEditHandler handler) { labelEdit_ = std::move(handler); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    void reindex();

    QStringList headers_;
    QStringList columnKeys_;
    std::vector<ListRow> rows_;
    QHash<QString, int> byKey_;  // lower-cased key -> row
    QHash<QString, QIcon> images_;
    LabelEditHandler labelEdit_;
    int sortColumn_ = 0;
};

}  // namespace sentrel::views
