#pragma once

#include <QRect>
#include <QSize>

namespace sentrel {

// Where a secondary window of `size` (its frame included) opens next to the window at
// `anchor` on the screen area `screen`: to the right of it when it fits there, else to the
// left, else over it, centred on it. The result always lies wholly on the screen; a window
// larger than the screen is shrunk to it.
QRect placeBeside(const QRect& anchor, const QSize& size, const QRect& screen);

}  // namespace sentrel
