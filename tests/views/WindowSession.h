#pragma once

#include <gtest/gtest.h>

#include <QFile>

#include "document/Document.h"
#include "editor/frmMain.h"
#include "editor/lifecycle/MainWindowLifecycle.h"
#include "editor/views/MainWindowViews.h"
#include "shell/ScriptedInteraction.h"
#include "support/TempDir.h"

namespace sentrel::test {

// The real main window with its file lifecycle and views, on a copy of data/maindefs.bdf
// (with an empty merge file and BDD beside it) opened in a temporary base directory.
class WindowSession : public ::testing::Test {
  protected:
    WindowSession() {
        QFile::copy(QStringLiteral(SENTREL_SAMPLE_DEFINITIONS), file);
        dir.write("maindefs.mrg", {});
        dir.write("maindefs.bdd", {});
        wiring.setBaseDirectory(dir.path());
        wiring.lifecycle().recentDocuments().setListPath(dir.file("recent.xbel"));
        life.OpenFile(file);
    }

    TempDir dir;
    const QString file = dir.file("maindefs.bdf");
    ScriptedInteraction ui;
    editor::frmMain window{ui};
    std::unique_ptr<doc::Document> internal = doc::Document::create();
    lifecycle::MainWindowLifecycle wiring{ui, window, [this] { return &internal->lru().bdfName; }};
    lifecycle::FileLifecycle& life = wiring.lifecycle();
    views::MainWindowViews panes{window, life, wiring.view(), ui,
                                 QDateTime(QDate(2026, 12, 6), QTime(10, 0))};
    views::BrowserViews& views = panes.views();
};

}  // namespace sentrel::test
