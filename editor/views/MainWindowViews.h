#pragma once

#include <QDateTime>
#include <memory>

#include "editing/BrowserOperations.h"
#include "editing/EditHost.h"
#include "editing/FilterOperations.h"
#include "editing/PropertyOperations.h"
#include "editor/views/BrowserViews.h"
#include "editor/views/ViewHost.h"
#include "editor/views/ViewPanes.h"

namespace sentrel {
class OptionStore;
class QtInteraction;
}  // namespace sentrel
namespace sentrel::editor {
class frmMain;
}
namespace sentrel::lifecycle {
class FileLifecycle;
class MainWindowView;
}  // namespace sentrel::lifecycle

namespace sentrel::views {

// Joins the browser views and the property operations to the main window: the four panes,
// the lifecycle's build, clear and selection hooks, the quick-find box, the popup bands and
// the Browsers, Properties, Filters and View commands. It is the window the views and the
// operations see: command states on the command bar, texts on the status panels and the
// title label, edits on the open file's state, merge journal and markModified.
class MainWindowViews : public ViewHost, public editing::EditHost {
  public:
    MainWindowViews(editor::frmMain& window, lifecycle::FileLifecycle& lifecycle,
                    lifecycle::MainWindowView& lifecycleView, Interaction& interaction,
                    QDateTime startStamp);
    ~MainWindowViews() override;

    // The display options come from the option store once it is loaded.
    void setOptionStore(const OptionStore* options) { options_ = options; }
    // Shows the selected node again, forced (after the display options changed).
    void refreshSelected();

    BrowserViews& views() { return views_; }
    editing::PropertyOperations& operations() { return operations_; }
    editing::BrowserOperations& browserOperations() { return browserOperations_; }
    editing::FilterOperations& filterOperations() { return filterOperations_; }
    ViewPanes& panes() { return panes_; }

    // ViewHost.
    void setCommandEnabled(const QString& tool, bool enabled) override;
    void setStatusText(const QString& panel, const QString& text) override;
    void setPropertyListTitle(const QString& caption) override;
    void setQuickFindEntries(const QStringList& entries) override;
    void showQuickFindEntry(const QString& text) override;

    // EditHost.
    doc::Document& document() override;
    Interaction& interaction() override { return interaction_; }
    QString dateStamp() const override;
    void writeMergeRecord(int code, const std::array<QString, 5>& fields) override;
    void markModified() override;
    void setFilterDialogStale() override;
    void beginStep(const QString& text) override;
    void endStep() override;

  private:
    void placePanes();
    void connectHooks(lifecycle::MainWindowView& lifecycleView);
    void registerCommands();
    void changeSelectedProperty();
    void changeSelectedFilter();
    void editCurrent(QAbstractItemView& view, const QModelIndex& index);

    editor::frmMain& window_;
    lifecycle::FileLifecycle& lifecycle_;
    Interaction& interaction_;
    QDateTime startStamp_;
    const OptionStore* options_ = nullptr;
    BrowserViews views_;
    editing::PropertyOperations operations_;
    editing::BrowserOperations browserOperations_;
    editing::FilterOperations filterOperations_;
    ViewPanes panes_;
};

}  // namespace sentrel::views
