#include "editor/views/BrowserTreeView.h"

#include <QMouseEvent>

#include "editor/views/BrowserViews.h"
#include "editor/views/RightwardHitTest.h"

namespace sentrel::views {

BrowserTreeView::BrowserTreeView(BrowserViews& views, QWidget* parent)
    : QTreeView(parent), views_(views) {
    setObjectName(QStringLiteral("tvTreeView"));
    setModel(&views.tree());
    setSelectionModel(&views.treeSelection());
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    connect(&views.treeSelection(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) views_.currentNodeChanged(views_.tree().keyAt(current));
            });
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        views_.nodeExpanded(views_.tree().keyAt(index), true);
    });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        views_.nodeExpanded(views_.tree().keyAt(index), false);
    });
    connect(&views, &BrowserViews::nodeMadeVisible, this,
            [this](const QModelIndex& index) { scrollTo(index); });
    connect(&views, &BrowserViews::treeFocusRequested, this, [this] {
        if (isVisible()) setFocus();
    });
    connect(&views, &BrowserViews::expandRequested, this,
            [this](const QModelIndex& index, bool expand) { setExpanded(index, expand); });
}

void BrowserTreeView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        QTreeView::mousePressEvent(event);
        return;
    }
    const QModelIndex found = itemRightwardAt(*this, event->position().toPoint());
    if (found.isValid()) views_.treeRightPress(views_.tree().keyAt(found));
}

}  // namespace sentrel::views
