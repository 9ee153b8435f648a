#pragma once

#include <QStringList>
#include <functional>

namespace sentrel::editing {

// Removes several items in turn, each with its own merge record. When one fails, those
// removed before it stay removed: `showRemoved` still runs for them (when there are any)
// before the error goes on to be reported, so the views and the modified mark match the
// document.
void removeEach(const QStringList& items, const std::function<void(const QString&)>& removeOne,
                const std::function<void(const QStringList& removed)>& showRemoved);

}  // namespace sentrel::editing
