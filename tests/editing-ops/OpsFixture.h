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
#include "editing/BrowserOperationsView.h"
#include "editing/EditHost.h"
#include "editing/FilterOperations.h"
#include "editing/FilterOperationsView.h"
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

// The main window and its views as the operations see them, recording what they are told.
class FakeWindow : public editing::EditHost,
                   public editing::BrowserOperationsView,
                   public editing::FilterOperationsView {
  public:
    explicit FakeWindow(doc::Document& document);

    doc::Document& document() override { return document_; }
    Interaction& interaction() override { return script; }
    QString dateStamp() const override { return QStringLiteral("2026-12-06T10:00:00"); }
    void writeMergeRecord(int code, const std::array<QString, 5>& fields) override;
    void markModified() override { ++modified; }
    void setFilterDialogStale() override {}
    void setStatusText(const QString&, const QString&) override {}

    // The tree: node keys with their parent keys ("" for the root) and texts.
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
    void rebuildQuickFind() override { quickFind << QStringLiteral("<rebuilt>"); }
    void setTitleLabel(const QString& caption) override { title = caption; }
    bool showSystemProperties() const override { return showSystem; }

    // The filter list: rows in order.
    QStringList selectedFilterRows() const override { return selectedRows; }
    QStringList filterRowCells(const QString& key) const override { return rows.value(key); }
    void addFilterRow(const QString& key, const QStringList& cells) override;
    void setFilterRowCells(const QString& key, const QStringList& cells) override {
        rows[key] = cells;
    }
    void removeFilterRow(const QString& key) override;
    void updateFilterCommands() override {}

    ScriptedInteraction script;
    std::vector<Merge> merges;
    int modified = 0;
    std::optional<AppError> journalFailure;  // when set, merge records fail with it

    QString selected = QStringLiteral("DefaultBrowser");
    QHash<QString, QString> parents, texts;
    QHash<QString, QStringList> images;  // image, selected image
    QStringList refreshes, quickFind;
    QString title;
    bool showSystem = false;

    QStringList rowOrder, selectedRows;
    QHash<QString, QStringList> rows;

  private:
    doc::Document& document_;
};

// A document with the window and both kinds of operation; unique ids are drawn from `ids`.
struct Ops {
    Ops();

    QStringList messageTitles() const;
    QStringList filterField(const QString& field) const;
    // A field of the dialog request made `index`-th.
    QVariant dialogField(int index, const QString& field) const;

    std::unique_ptr<doc::Document> document;
    FakeWindow window;
    QStringList deletedTypes;
    bool filtersUnsorted = false;
    bool filterDialogStale = true;
    std::deque<int> ids{101, 102, 103, 104, 105};
    editing::BrowserOperations browsers;
    editing::FilterOperations filters;
};

}  // namespace sentrel::test
