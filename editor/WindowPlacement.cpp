#include "editor/WindowPlacement.h"

#include <algorithm>

namespace sentrel::editor {

QRect TwipScale::toPixels(const QRect& twips) const {
    return {toPixels(twips.x()), toPixels(twips.y()), toPixels(twips.width()),
            toPixels(twips.height())};
}

QRect TwipScale::toTwips(const QRect& pixels) const {
    return {toTwips(pixels.x()), toTwips(pixels.y()), toTwips(pixels.width()),
            toTwips(pixels.height())};
}

namespace placement {

namespace {

QRect centred(const QRect& screen, double widthShare, double heightShare) {
    const QSize size(qRound(screen.width() * widthShare), qRound(screen.height() * heightShare));
    QRect rect(QPoint(0, 0), size);
    rect.moveCenter(screen.center());
    return rect;
}

}  // namespace

// Centred at its final size: placing the design size in the middle and then growing it
// would push a large window past the right and bottom edges of a wide screen.
QRect firstRunGeometry(const QRect& screen) {
    return centred(screen, 0.75, 0.75);
}

int firstRunHorizontal(int innerHeight) {
    return qRound(innerHeight * 0.6);
}

int firstRunSplit(int innerWidth) {
    return qRound(innerWidth * 0.3);
}

QRect restoredFromMaximised(const QRect& screen) {
    return centred(screen, 0.75, 0.8);
}

int clampWidth(int width) {
    return std::max(width, kMinimumWidth);
}

}  // namespace placement
}  // namespace sentrel::editor
