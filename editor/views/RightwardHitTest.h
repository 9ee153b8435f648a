#pragma once

#include <QModelIndex>
#include <QPoint>
#include <functional>

class QAbstractItemView;

namespace sentrel::views {

// Finds the item under a point of a view; where there is none (the empty part of a row),
// tries again with the point moved right by `step` at a time across `width`.
QModelIndex hitTestRightward(const std::function<QModelIndex(const QPoint&)>& hitTest, QPoint point,
                             int width, int step = 20);

// The item of a view under a point of its viewport, searched rightward across the viewport.
QModelIndex itemRightwardAt(const QAbstractItemView& view, QPoint point);

}  // namespace sentrel::views
