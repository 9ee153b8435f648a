#pragma once

#include <QHash>
#include <QStringList>
#include <array>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "document/Document.h"
#include "editing/BrowserOperations.h"
#include "editing/EditHost.h"
#include "editing/FilterOperations.h"
#include "editor/views/BrowserViews.h"
#include "editor/views/ViewHost.h"
#include "shell/AppError.h"
#include "shell/ScriptedInteraction.h"

namespace sentrel::test {

// The blank template with the properties Browser (String), Cookies (Boolean) and
// CSSVersion (Integer) and the types: DefaultBrowser ("Default Browser"), below it the
// folders desktop ("Desktop", icon "custom") and mobile ("Mobile") and the deleted browser
// oldie ("Old IE"); chrome ("Chrome", agent "*Chrome*") below desktop.
std::unique_ptr<doc::Document> makeOpsDocument();

struct Merge {
    int code;
    std::array<QString, 5> fields;
    bool operator==(const Merge&) const = default;
};

// The main window around the views and the operations, recording what it is told.
class FakeWindow : public views::ViewHost, public editing::EditHost {
  public:
    explicit FakeWindow(doc::Document& document) : document_(document) {}

    void setCommandEnabled(const QString& tool, bool enabled) override { commands[tool] = enabled; }
    void setStatusText(const QString&, const QString&) override {}
    void setPropertyListTitle(const QString&) override {}
    void setQuickFindEntries(const QStringList&) override {}
    void showQuickFindEntry(const QString&) override {}

    doc::Document& document() override { return document_; }
    Interaction& interaction() override { return script; }
    QString dateStamp() const override { return QStringLiteral("2026-12-06T10:00:00"); }
    void writeMergeRecord(int code, const std::array<QString, 5>& fields) override {
        if (journalFailure && recordsBeforeFailure-- <= 0) throw *journalFailure;
        merges.push_back({code, fields});
    }
    void markModified() override { ++modified; }
    void setFilterDialogStale() override {}

    ScriptedInteraction script;
    QHash<QString, bool> commands;
    std::vector<Merge> merges;
    int modified = 0;
    // When set, merge records fail with it once `recordsBeforeFailure` more were written.
    std::optional<AppError> journalFailure;
    int recordsBeforeFailure = 0;

  private:
    doc::Document& document_;
};

// The document shown in the views, with both kinds of operation working on them. Unique
// ids of new filters are drawn from `ids`.
struct Ops {
    Ops();

    // Selects a node as a click on it does.
    void select(const QString& key);
    void selectFilterRows(const QStringList& keys);
    const views::TreeNode* node(const QString& key) { return views.tree().node(key); }
    QStringList rowCells(const QString& key);
    QStringList messageTitles() const;
    QStringList filterField(const QString& field) const;
    // A field of the dialog request made `index`-th.
    QVariant dialogField(int index, const QString& field) const;

    std::unique_ptr<doc::Document> document;
    FakeWindow window;
    views::BrowserViews views;
    bool showSystem = false;
    QStringList deletedTypes;
    bool filtersUnsorted = false;
    bool filterDialogStale = true;
    std::deque<int> ids{101, 102, 103, 104, 105};
    editing::BrowserOperations browsers;
    editing::FilterOperations filters;
};

}  // namespace sentrel::test
