#include "editor/SplitterHandle.h"

#include <QMouseEvent>

namespace sentrel::editor {

SplitterHandle::SplitterHandle(Qt::Orientation orientation, QWidget* parent)
    : QFrame(parent), orientation_(orientation) {
    setCursor(orientation == Qt::Vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
    dragBar_ = new QFrame(parent);
    dragBar_->setFrameShape(QFrame::Box);
    dragBar_->setStyleSheet(QStringLiteral("background: palette(dark);"));
    dragBar_->hide();
}

int SplitterHandle::positionOf(QMouseEvent* event) const {
    const QPoint inParent = mapToParent(event->position().toPoint());
    const int raw = (orientation_ == Qt::Vertical ? inParent.x() : inParent.y()) - grabOffset_;
    return clamp_ ? clamp_(raw) : raw;
}

void SplitterHandle::moveBar(int position) {
    QRect bar = geometry();
    if (orientation_ == Qt::Vertical)
        bar.moveLeft(position);
    else
        bar.moveTop(position);
    dragBar_->setGeometry(bar);
}

void SplitterHandle::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint inside = event->position().toPoint();
    grabOffset_ = orientation_ == Qt::Vertical ? inside.x() : inside.y();
    moveBar(orientation_ == Qt::Vertical ? x() : y());
    dragBar_->raise();
    dragBar_->show();
}

void SplitterHandle::mouseMoveEvent(QMouseEvent* event) {
    if (isDragging()) moveBar(positionOf(event));
}

void SplitterHandle::mouseReleaseEvent(QMouseEvent* event) {
    if (!isDragging()) return;
    dragBar_->hide();
    emit released(positionOf(event));
}

}  // namespace sentrel::editor
