#pragma once

#include <QRect>

namespace sentrel::editor {

// Where the four panes, their title labels and the splitters sit inside the window's client
// area, in twips. The upper half holds the browser tree and the property list, the lower
// half the filter tree and the filter list; a vertical splitter divides each half and the
// horizontal splitter divides the halves.
class PaneLayout {
  public:
    static constexpr int kMinimumPaneWidth = 1500;
    static constexpr int kDragEdgeMargin = 500;      // vertical drag bars vs. window edges
    static constexpr int kDragBelowLabels = 100;     // horizontal bar vs. upper title labels
    static constexpr int kDragAboveStatusBar = 475;  // horizontal bar vs. the status bar
    static constexpr int kLabelTop = 30;
    static constexpr int kLabelHeight = 255;
    static constexpr int kSplitterWidth = 40;
    static constexpr int kHorizontalBarHeight = 75;

    struct Half {
        QRect leftLabel, rightLabel, leftPane, rightPane, splitter;
    };
    struct Geometry {
        Half upper, lower;
        QRect horizontalBar, whiteBorder;
    };

    // The client area's size; splitters keep their positions.
    void setClientSize(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }

    // Lays out the upper panes with the browser splitter at x (clamped to leave each pane
    // at least the minimum width).
    void SizeControls(int x);
    // The same for the lower panes and the filter splitter.
    void SizeControlsFilters(int x);
    // Moves the horizontal splitter (clamped like a drag) and lays out both halves.
    void setHorizontal(int top);

    int splitBrowser() const { return splitBrowser_; }
    int splitFilter() const { return splitFilter_; }
    int horizontal() const { return horizontal_; }

    // Where a drag bar may go while it is dragged.
    int clampVerticalDrag(int x) const;
    int clampHorizontalDrag(int y) const;

    const Geometry& geometry() const { return geometry_; }

  private:
    int clampSplit(int x) const;
    Half layoutHalf(int x, int labelTop, int paneGap, int bottom) const;
    void layoutBars();

    int width_ = 9600;
    int height_ = 6000;
    int splitBrowser_ = 3000;
    int splitFilter_ = 3000;
    int horizontal_ = 3600;
    Geometry geometry_;
};

}  // namespace sentrel::editor
