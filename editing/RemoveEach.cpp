#include "editing/RemoveEach.h"

namespace sentrel::editing {

void removeEach(const QStringList& items, const std::function<void(const QString&)>& removeOne,
                const std::function<void(const QStringList& removed)>& showRemoved) {
    QStringList removed;
    try {
        for (const QString& item : items) {
            removeOne(item);
            removed << item;
        }
    } catch (...) {
        if (!removed.isEmpty()) showRemoved(removed);
        throw;
    }
    showRemoved(removed);
}

}  // namespace sentrel::editing
