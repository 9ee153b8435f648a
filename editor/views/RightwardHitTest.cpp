#include "editor/views/RightwardHitTest.h"

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

}  // namespace sentrel::views
