#include "editor/views/RowListView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "editor/views/BrowserViews.h"
#include "editor/views/RightwardHitTest.h"

namespace sentrel::views {

RowListView::RowListView(BrowserViews& views, Kind kind, QWidget* parent)
    : QTreeView(parent), views_(views), kind_(kind) {
    const bool properties = kind == Kind::Properties;
    setObjectName(properties ? QStringLiteral("lvListView") : QStringLiteral("lvFilterList"));
    setModel(properties ? &views.propertyList() : &views.filterList());
    setSelectionModel(properties ? &views.propertySelection() : &views.filterSelection());
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Property names are renamed only through the Rename command (manual label editing).
    setEditTriggers(properties
                        ? QAbstractItemView::NoEditTriggers
                        : QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    header()->setSectionsClickable(true);
    header()->resizeSection(0, properties ? 190 : 150);
    header()->setSortIndicatorShown(false);
    connect(header(), &QHeaderView::sectionClicked, this, &RowListView::columnClick);
    connect(this, &QAbstractItemView::clicked, this, [this] { itemClick(); });
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { doubleClick(index.row()); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, properties] {
        if (properties) {
            views_.propertySelectionChanged();
        } else {
            views_.filterSelectionChanged();
        }
    });
    connect(
        &views,
        properties ? &BrowserViews::propertyRowMadeVisible : &BrowserViews::filterRowMadeVisible,
        this, [this](const QModelIndex& index) {
            scrollTo(index);
            if (kind_ == Kind::Filters) setFocus();
        });
}

void RowListView::itemClick() {
    if (kind_ == Kind::Properties) {
        views_.propertyItemClick();
    } else {
        views_.filterItemClick();
    }
}

void RowListView::rightPress(int row, bool modifierHeld) {
    if (kind_ == Kind::Properties) {
        views_.propertyRightPress(row, modifierHeld);
    } else {
        views_.filterRightPress(row, modifierHeld);
    }
}

void RowListView::doubleClick(int row) {
    if (kind_ == Kind::Properties) {
        views_.propertyDoubleClick(row);
    } else {
        views_.filterDoubleClick(row);
    }
}

void RowListView::columnClick(int column) {
    if (kind_ == Kind::Properties) {
        views_.sortPropertyList(column);
    } else {
        views_.sortFilterList(column);
    }
}

// Enter on a row acts as a double click on it; F2 renames the selected property in place
// where the Rename command allows it (the filter list edits in place by itself).
void RowListView::keyPressEvent(QKeyEvent* event) {
    const QModelIndex current = currentIndex();
    const int key = event->key();
    if (current.isValid() && state() != EditingState) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            doubleClick(current.row());
            return;
        }
        if (key == Qt::Key_F2 && kind_ == Kind::Properties) {
            views_.propertySelectionChanged();  // brings the Rename command up to date
            if (views_.propertyRenameAllowed()) edit(current.siblingAtColumn(0));
            return;
        }
    }
    QTreeView::keyPressEvent(event);
}

void RowListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        QTreeView::mousePressEvent(event);
        return;
    }
    const QModelIndex found = itemRightwardAt(*this, event->position().toPoint());
    if (!found.isValid()) return;
    const bool modifierHeld =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    rightPress(found.row(), modifierHeld);
}

}  // namespace sentrel::views
