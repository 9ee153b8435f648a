#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include "editor/CommandBar.h"

class QAction;
#include <QComboBox>
class QMainWindow;
class QMenu;
class QToolBar;

namespace sentrel::editor {

// The widgets of the command bar: the menu bar, the toolbars and one QAction per tool,
// named as the tool ("miFileNew"), built from a CommandBar model and kept in step with it.
class CommandBarView : public QObject {
    Q_OBJECT
  public:
    CommandBarView(CommandBar& model, QMainWindow& window);

    QAction* action(const QString& tool) const { return actions_.value(tool); }
    QMenu* menu(const QString& band) const { return menus_.value(band); }
    QToolBar* toolBar(const QString& band) const { return toolBars_.value(band); }
    QComboBox* quickFindBox() const { return quickFind_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  signals:
    void triggered(const QString& tool);
    void quickFindSelected(const QString& text);

  private:
    QAction* actionFor(const QString& tool);
    void updateAction(const QString& tool);
    void rebuildBand(const QString& band);
    void fillMenu(QMenu& menu, const CommandBand& band);
    void fillToolBar(QToolBar& bar, const CommandBand& band);
    void buildMenuBar();
    void buildQuickFind(QToolBar& bar);
    void updateQuickFind();
    void fitToolBars();

    CommandBar& model_;
    QMainWindow& window_;
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    QHash<QString, QToolBar*> toolBars_;
    QPointer<QComboBox> quickFind_;
    bool fitPending_ = false;
};

}  // namespace sentrel::editor
