#pragma once

#include <QHash>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "QtPrinters.h"
#include "document/Document.h"
#include "editing/EditHost.h"
#include "editing/PropertyOperations.h"
#include "editor/views/BrowserViews.h"
#include "editor/views/ViewHost.h"
#include "shell/AppError.h"
#include "shell/ScriptedInteraction.h"

namespace sentrel::test {

// A small definitions document:
//   DefaultBrowser (folder "Default Browser")
//     desktop (folder "Desktop", icon "custom")
//       chrome (browser "Chrome", agent "*Chrome*")
//         chrome131 ("Chrome 131")
//       firefox ("Firefox", no agent)
//     mobile (folder "Mobile", no icon)
// with the properties Browser (String), Cookies (Boolean), CSSVersion (Integer), the system
// and version properties, and filters on Browser (uId 7, UA), cookies (uId 12, Cookie) and
// CSSVersion (uId 30, ENV).
std::unique_ptr<doc::Document> makeTestDocument();
// Adds a browser type with a description under a base.
doc::TypeObject& addBrowser(doc::Document& document, const QString& name, const QString& base,
                            const QString& description, const QString& type = "0");

struct RecordedMerge {
    int code;
    std::array<QString, 5> fields;
    bool operator==(const RecordedMerge&) const = default;
};

// The main window as the views and the operations see it: records command states, panels,
// the title, quick find, merge records and the modified marks.
class FakeWindow : public views::ViewHost, public editing::EditHost {
  public:
    explicit FakeWindow(doc::Document& document) : document_(document) {}

    void setCommandEnabled(const QString& tool, bool enabled) override { commands[tool] = enabled; }
    void setStatusText(const QString& panel, const QString& text) override { panels[panel] = text; }
    void setPropertyListTitle(const QString& caption) override { title = caption; }
    void setQuickFindEntries(const QStringList& entries) override { quickFind = entries; }
    void showQuickFindEntry(const QString& text) override { quickFindShown = text; }

    doc::Document& document() override { return document_; }
    Interaction& interaction() override { return script; }
    QString dateStamp() const override { return QStringLiteral("2026-12-06T10:00:00"); }
    void writeMergeRecord(int code, const std::array<QString, 5>& fields) override {
        if (journalFailure && recordsBeforeFailure-- <= 0) throw *journalFailure;
        merges.push_back({code, fields});
    }
    void markModified() override { ++modified; }
    void setFilterDialogStale() override { filterDialogStale = true; }

    bool enabled(const QString& tool) const { return commands.value(tool, false); }

    ScriptedInteraction script;
    QHash<QString, bool> commands;
    QHash<QString, QString> panels;
    QString title;
    QStringList quickFind;
    QString quickFindShown;
    std::vector<RecordedMerge> merges;
    int modified = 0;
    bool filterDialogStale = false;
    // When set, merge records fail with it once `recordsBeforeFailure` more were written.
    std::optional<AppError> journalFailure;
    int recordsBeforeFailure = 0;

  private:
    doc::Document& document_;
};

// A document shown in the views, with the property operations wired to them.
struct ShownDocument {
    ShownDocument();
    explicit ShownDocument(std::unique_ptr<doc::Document> document);

    // Selects and shows a node as a click on it would.
    void click(const QString& key);
    // Makes these property rows the selection.
    void selectRows(const QStringList& names);
    QString value(const QString& type, const QString& property) const;
    QStringList filterProperties() const;

    std::unique_ptr<doc::Document> document;
    FakeWindow window;
    views::BrowserViews views;
    editing::PropertyOperations operations;
    QStringList deleted;
};

}  // namespace sentrel::test
