#pragma once

#include <QStringList>
#include <memory>

#include "detect/DefinitionsCache.h"
#include "document/Document.h"
#include "export/BddExport.h"
#include "export/HitTester.h"
#include "export/HitTesterHost.h"
#include "shell/ScriptedInteraction.h"
#include "support/TempDir.h"

namespace sentrel::exporting::test {

// The main window as the Hit Tester sees it: a real document and the real export, with the
// window's side (wait window, status bar, tree) recorded in `log`.
class FakeHost : public HitTesterHost {
  public:
    FakeHost(Interaction& interaction, const QString& baseDirectory);

    doc::Document* document() override { return document_.get(); }
    QString currentFile() const override { return currentFile_; }
    QString baseDirectory() const override { return baseDirectory_; }
    bool hasUnsavedChanges() const override { return unsavedChanges; }
    bool temporaryBddOutOfDate() const override { return outOfDate; }
    void setTemporaryBddOutOfDate(bool value) override { outOfDate = value; }
    void sortPendingFilters() override { log << "sort"; }
    void exportTo(const QString& target) override;
    std::shared_ptr<void>& detectionObject() override { return detection; }
    void showWaitWindow(const QString& message) override { log << "wait:" + message; }
    void hideWaitWindow() override { log << "unwait"; }
    void processEvents() override {}
    void setBusy(bool busy) override { log << (busy ? "busy" : "idle"); }
    void setStatusText(const QString& text) override { log << "status:" + text; }
    QString selectedTreeKey() const override { return selectedKey; }
    void showTreeNode(const QString& key) override;

    // An edit of the open document, as every editing operation ends (markModified).
    void edit(const QString& entry, const QString& property, const QString& value);
    // A definition file path for the document and, optionally, a BDD beside it.
    void placeFile(const QString& path, bool withBdd);

    std::unique_ptr<doc::Document> document_;
    QString currentFile_;
    QString baseDirectory_;
    bool unsavedChanges = false;
    bool outOfDate = true;
    std::shared_ptr<void> detection;
    QString selectedKey;
    QStringList log;

  private:
    class NoStatus : public ExportStatus {};
    NoStatus status_;
    BddExport exporter_;
};

// Definitions with a root, a folder and two browsers, one property and one filter.
std::unique_ptr<doc::Document> sampleDocument();

}  // namespace sentrel::exporting::test
