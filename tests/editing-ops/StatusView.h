#pragma once

#include "editor/lifecycle/LifecycleView.h"

namespace sentrel::test {

// The main window as the file lifecycle sees it; counts the sorts by the status text each
// one shows.
class StatusView : public lifecycle::LifecycleView {
  public:
    int sorts = 0;
    QString title;
    QString selected;
    void setStatusText(const QString&, const QString& text) override {
        if (text == QStringLiteral("Sorting filters...")) ++sorts;
    }
    void setWindowTitle(const QString& text) override { title = text; }
    QString windowTitle() const override { return title; }
    void setMenuState(bool) override {}
    void setCommandEnabled(const QString&, bool) override {}
    void setPropertyListTitle(const QString&) override {}
    void clearViews() override {}
    void buildViews(doc::Document&, const QStringList&, QString&) override {}
    QString selectedTypeName() const override { return selected; }
    void setBusy(bool) override {}
    void showWaitWindow(const QString&) override {}
    void hideWaitWindow() override {}
    void processEvents() override {}
    void setRecentFileEntries(const QStringList&) override {}
    void unloadHitTester() override {}
};

}  // namespace sentrel::test
