#include "editor/views/RightwardHitTest.h"

#include <QAbstractItemView>

namespace sentrel::views {

QModelIndex hitTestRightward(const std::function<QModelIndex(const QPoint&)>& hitTest, QPoint point,
                             int width, int step) {
    QModelIndex found = hitTest(point);
    while (!found.isValid() && point.x() + step < width) {
        point.rx() += step;
        found = hitTest(point);
    }
    return found;
}

QModelIndex itemRightwardAt(const QAbstractItemView& view, QPoint point) {
    return hitTestRightward([&view](const QPoint& at) { return view.indexAt(at); }, point,
                            view.viewport()->width());
}

}  // namespace sentrel::views
