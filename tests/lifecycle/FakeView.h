#pragma once

#include <QHash>
#include <QStringList>

#include "editor/lifecycle/LifecycleView.h"
#include "shell/AppError.h"

namespace sentrel::test {

// Records what the lifecycle shows in the window.
class FakeView : public lifecycle::LifecycleView {
  public:
    QString title = QStringLiteral(" Sentrel");
    QHash<QString, QString> status;
    QHash<QString, bool> commands;
    bool menuState = false;
    bool busy = false;
    QStringList waitMessages;
    bool waitShown = false;
    QStringList recent;
    QString propertyTitle;
    QString selected;
    int builds = 0;
    int clears = 0;
    int hitTesterUnloads = 0;
    QStringList builtDeleted;
    // When set, building the views fails after placing this type.
    QString failAfter;

    void setWindowTitle(const QString& t) override { title = t; }
    QString windowTitle() const override { return title; }
    void setStatusText(const QString& key, const QString& text) override { status[key] = text; }
    void setMenuState(bool enabled) override { menuState = enabled; }
    void setCommandEnabled(const QString& tool, bool enabled) override { commands[tool] = enabled; }
    void setPropertyListTitle(const QString& caption) override { propertyTitle = caption; }
    void clearViews() override { ++clears; }
    void buildViews(doc::Document&, const QStringList& deleted, QString& lastEntry) override {
        ++builds;
        builtDeleted = deleted;
        if (failAfter.isEmpty()) return;
        lastEntry = failAfter;
        throw AppError(13, QStringLiteral("Type mismatch"));
    }
    QString selectedTypeName() const override { return selected; }
    void setBusy(bool on) override { busy = on; }
    void showWaitWindow(const QString& message) override {
        waitMessages << message;
        waitShown = true;
    }
    void hideWaitWindow() override { waitShown = false; }
    void processEvents() override {}
    void setRecentFileEntries(const QStringList& captions) override { recent = captions; }
    void unloadHitTester() override { ++hitTesterUnloads; }
};

}  // namespace sentrel::test
