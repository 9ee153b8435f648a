#pragma once

#include <QFrame>
#include <QPointer>
#include <functional>

namespace sentrel::editor {

// A splitter handle between two panes. Pressing the mouse on it shows a drag bar over it;
// moving drags the bar (kept where `clamp` allows); releasing hides the bar and reports
// where it was let go, in the parent's pixel coordinates.
class SplitterHandle : public QFrame {
    Q_OBJECT
  public:
    SplitterHandle(Qt::Orientation orientation, QWidget* parent);

    // Limits the drag bar's position (x for a vertical handle, y for a horizontal one).
    void setClamp(std::function<int(int)> clamp) { clamp_ = std::move(clamp); }
    bool isDragging() const { return dragBar_ && dragBar_->isVisible(); }

  signals:
    void released(int position);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int positionOf(QMouseEvent* event) const;
    void moveBar(int position);

    Qt::Orientation orientation_;
    std::function<int(int)> clamp_;
    QPointer<QFrame> dragBar_;
    int grabOffset_ = 0;
};

}  // namespace sentrel::editor
