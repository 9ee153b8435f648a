#pragma once

#include <QTreeView>

#include "editor/views/BrowserTreeView.h"
#include "editor/views/RowListView.h"

namespace sentrel::views {

class BrowserViews;

// The four pane widgets over the views' models, for the main window to place: the browser
// tree, the property list, the filter tree and the filter list. The images are set on the
// models here.
struct ViewPanes {
    explicit ViewPanes(BrowserViews& views, QWidget* parent = nullptr);

    BrowserTreeView* tvTreeView;
    RowListView* lvListView;
    QTreeView* tvFilterTree;
    RowListView* lvFilterList;
};

}  // namespace sentrel::views
