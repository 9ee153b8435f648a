#pragma once

#include <QList>
#include <QString>
#include <memory>

namespace sentrel::webdirs {

// A collection keyed by its items' `Name()` (compared with case, as the names are shown),
// in the order added. `Item` answers null for a name or index it does not hold.
template <class T>
class NamedCollection {
  public:
    using Pointer = std::shared_ptr<T>;

    void Add(Pointer item) { items_.append(std::move(item)); }
    T* Item(const QString& name) const {
        for (const Pointer& item : items_) {
            if (item->Name() == name) return item.get();
        }
        return nullptr;
    }
    T* Item(int index) const {
        return index >= 0 && index < Count() ? items_[index].get() : nullptr;
    }
    int Count() const { return int(items_.size()); }
    void Remove(const QString& name) {
        items_.removeIf([&name](const Pointer& item) { return item->Name() == name; });
    }
    // The items in order (the collection's enumerator).
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

  private:
    QList<Pointer> items_;
};

}  // namespace sentrel::webdirs
