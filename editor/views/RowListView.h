#pragma once

#include <QTreeView>

namespace sentrel::views {

class BrowserViews;

// The property list or the filter list pane: renders its rows and reports clicks,
// right-clicks, double clicks, column clicks and label edits to the views.
class RowListView : public QTreeView {
    Q_OBJECT
  public:
    enum class Kind { Properties, Filters };

    RowListView(BrowserViews& views, Kind kind, QWidget* parent = nullptr);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void itemClick();
    void rightPress(int row, bool modifierHeld);
    void doubleClick(int row);
    void columnClick(int column);

    BrowserViews& views_;
    Kind kind_;
};

}  // namespace sentrel::views
