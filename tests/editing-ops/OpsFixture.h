#pragma once

#include <QHash>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

#include "document/Document.h"
#include "editing/BrowserOperations.h"
#include "editing/BrowserOperationsView.h"
#include "editing/EditHost.h"
#include "editing/FilterOperations.h"
#include "editing/FilterOperationsView.h"
#include "shell/AppError.h"
#include "shell/ScriptedInteraction.h"

namespace sentrel::test {

// The blank template with the properties Browser (String), Cookies (Boolean) and
// CSSVersion (Integer) and these types:
//   DefaultBrowser ("Default Browser")
//     desktop (folder "Desktop", icon "custom")
//       chrome (browser "Chrome", agent "*Chrome*")
//     mobile (folder "Mobile")
//     oldie (browser "Old IE", deleted)
std::unique_ptr<doc::Document> makeOpsDocument();

struct Merge {
    int code;
    std::array<QString, 5> fields;
    bool operator==(const Merge&) const = default;
};

// The main window and its views as the operations see them, recording what they are told.
class FakeWindow : public editing::EditHost,
                   public editing::BrowserOperationsView,
                   public editing::FilterOperationsView {
  public:
    explicit FakeWindow(doc::Document& document);

    // EditHost.
    doc::Document& document() override { return document_; }
    Interaction& interaction() override { return script; }
    QString dateStamp() const override { return QStringLiteral("2026-12-06T10:00:00"); }
    void writeMergeRecord(int code, const std::array<QString, 5>& fields) override;
    void markModified() override { ++modified; }
    void setFilterDialogStale() override { filterDialogStale = true; }
    void setStatusText(const QString& panel, const QString& text) override { panels[panel] = text; }

    // BrowserOperationsView: a tree of keys with parents and texts.
    QString selectedTypeName() const override { return selected; }
    QString selectedNodeText() const override { return texts.value(selected); }
    bool selectedNodeHasChildren() const override { return parents.values().contains(selected); }
    QString parentNodeKey(const QString& key) const override { return parents.value(key); }
    void addTreeNode(const QString& parentKey, const QString& key, const QString& text,
                     const QString& image, const QString& selectedImage) override;
    void removeTreeNode(const QString& key) override;
    void selectTreeNode(const QString& key) override { selected = key; }
    void refreshNode(const QString& key, bool full) override {
        refreshes << key + (full ? QStringLiteral(" full") : QString());
    }
    void appendQuickFindEntry(const QString& description) override { quickFind << description; }
    void rebuildQuickFind() override { ++quickFindRebuilds; }
    void setTitleLabel(const QString& caption) override { title = caption; }
    bool showSystemProperties() const override { return showSystem; }

    // FilterOperationsView: rows in order.
    QStringList selectedFilterRows() const override { return selectedRows; }
    QStringList filterRowCells(const QString& key) const override { return rows.value(key); }
    void addFilterRow(const QString& key, const QStringList& cells) override;
    void setFilterRowCells(const QString& key, const QStringList& cells) override {
        rows[key] = cells;
    }
    void removeFilterRow(const QString& key) override;
    void updateFilterCommands() override { ++filterCommandUpdates; }

    ScriptedInteraction script;
    std::vector<Merge> merges;
    int modified = 0;
    bool filterDialogStale = false;
    QHash<QString, QString> panels;

    QString selected;
    QHash<QString, QString> parents;  // node key -> parent key ("" for the root)
    QHash<QString, QString> texts;
    QHash<QString, QStringList> images;  // node key -> image, selected image
    QStringList refreshes;
    QStringList quickFind;
    int quickFindRebuilds = 0;
    QString title;
    bool showSystem = false;

    QStringList rowOrder;
    QHash<QString, QStringList> rows;
    QStringList selectedRows;
    int filterCommandUpdates = 0;

    // When set, writing a merge record fails with this error.
    std::optional<AppError> journalFailure;

  private:
    doc::Document& document_;
};

// A document with the window and both kinds of operation wired to it.
struct Ops {
    Ops();

    QString dialogField(int dialog, const QString& field) const;
    QStringList messageTitles() const;
    QStringList filterField(const QString& field) const;

    std::unique_ptr<doc::Document> document;
    FakeWindow window;
    QStringList deletedTypes;
    bool filtersUnsorted = false;
    bool filterDialogStale = true;
    editing::BrowserOperations browsers;
    editing::FilterOperations filters;
};

}  // namespace sentrel::test
