#pragma once

#include <QPointer>
#include <functional>

#include "editor/lifecycle/LifecycleView.h"
#include "editor/lifecycle/frmStandBy.h"

namespace sentrel::editor {
class frmMain;
}

namespace sentrel::lifecycle {

// The file lifecycle's view of the real main window: title, status panels, command states,
// the recent-file entries of the File menu, the busy pointer and the wait window. The
// browser and filter views and the Hit Tester are reached through hooks, filled in by the
// parts that build them; until then they do nothing.
class MainWindowView : public LifecycleView {
  public:
    struct Hooks {
        std::function<void()> clearViews;
        std::function<void(doc::Document&, const QStringList& deletedTypes, QString& lastEntry)>
            buildViews;
        std::function<QString()> selectedTypeName;
        std::function<void(const QString& name)> showType;
        std::function<void()> unloadHitTester;
    };

    explicit MainWindowView(editor::frmMain& window);
    ~MainWindowView() override;

    Hooks& hooks() { return hooks_; }

    void setWindowTitle(const QString& title) override;
    QString windowTitle() const override;
    void setStatusText(const QString& key, const QString& text) override;
    void setMenuState(bool enabled) override;
    void setCommandEnabled(const QString& tool, bool enabled) override;
    void setPropertyListTitle(const QString& caption) override;
    void clearViews() override;
    void buildViews(doc::Document& document, const QStringList& deletedTypes,
                    QString& lastEntry) override;
    QString selectedTypeName() const override;
    void showType(const QString& name) override;
    void setBusy(bool busy) override;
    void showWaitWindow(const QString& message) override;
    void hideWaitWindow() override;
    void processEvents() override;
    void setRecentFileEntries(const QStringList& captions) override;
    void unloadHitTester() override;

  private:
    void removeRecentFileTools();

    editor::frmMain& window_;
    Hooks hooks_;
    QPointer<frmStandBy> standBy_;
    int busyDepth_ = 0;
};

}  // namespace sentrel::lifecycle
