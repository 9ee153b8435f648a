#include "shell/BesidePlacement.h"

#include <algorithm>

namespace sentrel {

namespace {

// Moves `rect` the least distance that puts it inside `area` (shrunk to it first).
QRect keptInside(QRect rect, const QRect& area) {
    rect.setSize(rect.size().boundedTo(area.size()));
    rect.moveLeft(std::clamp(rect.left(), area.left(), area.right() - rect.width() + 1));
    rect.moveTop(std::clamp(rect.top(), area.top(), area.bottom() - rect.height() + 1));
    return rect;
}

}  // namespace

QRect placeBeside(const QRect& anchor, const QSize& size, const QRect& screen) {
    QRect placed(QPoint(), size);
    placed.moveTop(anchor.top());
    if (anchor.right() + size.width() <= screen.right()) {
        placed.moveLeft(anchor.right() + 1);
    } else if (anchor.left() - size.width() >= screen.left()) {
        placed.moveRight(anchor.left() - 1);
    } else {
        placed.moveCenter(anchor.center());
    }
    return keptInside(placed, screen);
}

}  // namespace sentrel
