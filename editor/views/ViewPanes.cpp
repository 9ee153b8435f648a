#include "editor/views/ViewPanes.h"

#include "editor/views/BrowserViews.h"
#include "editor/views/ViewImages.h"

namespace sentrel::views {

ViewPanes::ViewPanes(BrowserViews& views, QWidget* parent)
    : tvTreeView(new BrowserTreeView(views, parent)),
      lvListView(new RowListView(views, RowListView::Kind::Properties, parent)),
      tvFilterTree(new QTreeView(parent)),
      lvFilterList(new RowListView(views, RowListView::Kind::Filters, parent)) {
    views.tree().setImageList(treeImages());
    views.filterTree().setImageList(treeImages());
    views.propertyList().setImageList(propertyImages());
    tvFilterTree->setObjectName(QStringLiteral("tvFilterTree"));
    tvFilterTree->setModel(&views.filterTree());
    tvFilterTree->setHeaderHidden(true);
    tvFilterTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

}  // namespace sentrel::views
