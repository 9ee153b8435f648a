#pragma once

#include <QTreeView>

namespace sentrel::views {

class BrowserViews;

// The browser tree pane: renders the tree model and reports clicks, right-clicks,
// expansion and label edits to the views.
class BrowserTreeView : public QTreeView {
    Q_OBJECT
  public:
    explicit BrowserTreeView(BrowserViews& views, QWidget* parent = nullptr);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    BrowserViews& views_;
};

}  // namespace sentrel::views
