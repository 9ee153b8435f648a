#pragma once

#include <QRect>
#include <QSize>

namespace sentrel::editor {

// Conversion between pixels and twips (1440 per logical inch) for one screen.
class TwipScale {
  public:
    explicit TwipScale(double logicalDpi = 96.0) : twipsPerPixel_(1440.0 / logicalDpi) {}
    int toTwips(int pixels) const { return qRound(pixels * twipsPerPixel_); }
    int toPixels(int twips) const { return qRound(twips / twipsPerPixel_); }
    QRect toPixels(const QRect& twips) const;
    QRect toTwips(const QRect& pixels) const;

  private:
    double twipsPerPixel_;
};

// The main window's placement rules, in twips.
namespace placement {

inline constexpr int kMinimumWidth = 3000;

// First run: three quarters of the screen in each direction, centred on it.
QRect firstRunGeometry(const QRect& screen);
// First run: the horizontal splitter at 60 % of the window's inner height.
int firstRunHorizontal(int innerHeight);
// First run: the tree panes take 30 % of the window's width, so descriptions are readable.
int firstRunSplit(int innerWidth);
// Restoring a window that started maximised: 75 % of the screen wide, 80 % high, centred.
QRect restoredFromMaximised(const QRect& screen);
// A window is never narrower than the minimum width.
int clampWidth(int width);

}  // namespace placement
}  // namespace sentrel::editor
