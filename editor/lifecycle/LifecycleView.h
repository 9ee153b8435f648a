#pragma once

#include <QString>
#include <QStringList>

namespace sentrel::doc {
class Document;
}

namespace sentrel::lifecycle {

// What the file lifecycle needs of the main window. The window implements it with its
// widgets; tests with a recording fake. No call shows a message: messages go through the
// interaction.
class LifecycleView {
  public:
    virtual ~LifecycleView() = default;

    virtual void setWindowTitle(const QString& title) = 0;
    virtual QString windowTitle() const = 0;
    // A status panel by key: "Status" (progress texts), "ObjectUpdate", "Version", "Update".
    // The panel is repainted at once.
    virtual void setStatusText(const QString& key, const QString& text) = 0;
    // Enables or disables the commands that need an open file.
    virtual void setMenuState(bool enabled) = 0;
    virtual void setCommandEnabled(const QString& tool, bool enabled) = 0;
    // The property-list title label ("lblTitle" 1).
    virtual void setPropertyListTitle(const QString& caption) = 0;

    // Empties the browser tree, the property list, the filter tree and the filter list.
    virtual void clearViews() = 0;
    // Fills the views from the document; types listed as deleted stay out of the tree.
    // May throw AppError; `lastEntry` then names the last type being placed in the tree.
    virtual void buildViews(doc::Document& document, const QStringList& deletedTypes,
                            QString& lastEntry) = 0;
    // The type of the selected tree node; empty when none.
    virtual QString selectedTypeName() const = 0;
    // Selects and shows the tree node of a type, when the tree has one.
    virtual void showType(const QString& name) { (void)name; }

    // The busy (hourglass) pointer on or off.
    virtual void setBusy(bool busy) = 0;
    // The wait window with its message, with the main window disabled meanwhile.
    virtual void showWaitWindow(const QString& message) = 0;
    virtual void hideWaitWindow() = 0;
    // Lets pending window messages run (repaints included).
    virtual void processEvents() = 0;

    // The recent-file entries of the File menu, newest first, as their captions
    // ("&1 path"); an empty list removes them.
    virtual void setRecentFileEntries(const QStringList& captions) = 0;

    // Unloads the Hit Tester window.
    virtual void unloadHitTester() = 0;
};

}  // namespace sentrel::lifecycle
