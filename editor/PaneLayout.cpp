#include "editor/PaneLayout.h"

#include <algorithm>

namespace sentrel::editor {

namespace {

constexpr int kListOffset = 40;        // the right pane starts this far right of the splitter
constexpr int kRightMargin = 20;       // the right pane ends this far from the right edge
constexpr int kRightLabelIndent = 30;  // the right label starts this far inside its pane
constexpr int kRightLabelShorter = 40;
constexpr int kLeftLabelShorter = 22;
constexpr int kUpperPaneGap = 60;   // upper panes start this far below their labels
constexpr int kAboveBar = 5;        // upper panes end this far above the horizontal bar
constexpr int kLowerLabelGap = 35;  // lower labels start this far below the horizontal bar
constexpr int kLowerPaneGap = 50;   // lower panes start this far below their labels

int upperLabelsBottom() {
    return PaneLayout::kLabelTop + PaneLayout::kLabelHeight;
}

}  // namespace

void PaneLayout::setClientSize(int width, int height) {
    width_ = width;
    height_ = height;
    SizeControls(splitBrowser_);
    SizeControlsFilters(splitFilter_);
}

int PaneLayout::clampSplit(int x) const {
    if (x < kMinimumPaneWidth) x = kMinimumPaneWidth;
    if (x > width_ - kMinimumPaneWidth) x = width_ - kMinimumPaneWidth;
    return x;
}

PaneLayout::Half PaneLayout::layoutHalf(int x, int labelTop, int paneGap, int bottom) const {
    Half half;
    const int paneTop = labelTop + kLabelHeight + paneGap;
    const int paneHeight = std::max(0, bottom - paneTop);
    const int rightLeft = x + kListOffset;
    const int rightWidth = std::max(0, width_ - (rightLeft + kRightMargin));
    half.leftPane = QRect(0, paneTop, x, paneHeight);
    half.rightPane = QRect(rightLeft, paneTop, rightWidth, paneHeight);
    half.splitter = QRect(x, paneTop, kSplitterWidth, paneHeight);
    half.leftLabel = QRect(0, labelTop, std::max(0, x - kLeftLabelShorter), kLabelHeight);
    half.rightLabel = QRect(rightLeft + kRightLabelIndent, labelTop,
                            std::max(0, rightWidth - kRightLabelShorter), kLabelHeight);
    return half;
}

void PaneLayout::layoutBars() {
    geometry_.horizontalBar = QRect(0, horizontal_, width_, kHorizontalBarHeight);
    geometry_.whiteBorder = QRect(0, 0, width_, kLabelTop);
}

void PaneLayout::SizeControls(int x) {
    splitBrowser_ = clampSplit(x);
    geometry_.upper = layoutHalf(splitBrowser_, kLabelTop, kUpperPaneGap, horizontal_ - kAboveBar);
    layoutBars();
}

void PaneLayout::SizeControlsFilters(int x) {
    splitFilter_ = clampSplit(x);
    const int labelTop = horizontal_ + kHorizontalBarHeight + kLowerLabelGap;
    geometry_.lower = layoutHalf(splitFilter_, labelTop, kLowerPaneGap, height_);
    layoutBars();
}

void PaneLayout::setHorizontal(int top) {
    horizontal_ = clampHorizontalDrag(top);
    SizeControls(splitBrowser_);
    SizeControlsFilters(splitFilter_);
}

int PaneLayout::clampVerticalDrag(int x) const {
    return std::max(kDragEdgeMargin, std::min(x, width_ - kDragEdgeMargin));
}

int PaneLayout::clampHorizontalDrag(int y) const {
    const int lowest = height_ - kDragAboveStatusBar;
    return std::max(upperLabelsBottom() + kDragBelowLabels, std::min(y, lowest));
}

}  // namespace sentrel::editor
