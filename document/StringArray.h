#pragma once

#include <QString>
#include <QStringList>

namespace sentrel::doc {

// A growable array of strings stored with the document (the recent-files list
// `lru.bdfName` of the internal data document). Indices count from 1.
class StringArray {
  public:
    int Count() const { return static_cast<int>(items_.size()); }
    // Appends an empty element and returns its index (from 1).
    int Add();
    // Throws AppError for an index out of range.
    QString item(int index) const;
    void setItem(int index, const QString& value);
    void Remove(int index);
    const QStringList& items() const { return items_; }

  private:
    friend class Document;
    int checkedIndex(int index) const;
    QStringList items_;
};

// The `lru` object of the internal data document.
struct LruObject {
    StringArray bdfName;
};

}  // namespace sentrel::doc
