#pragma once

#include <QString>
#include <QStringList>

namespace sentrel::views {

// What the views set in the main window around them: command states, status panels, the
// property list's title label and the quick-find box.
class ViewHost {
  public:
    virtual ~ViewHost() = default;

    virtual void setCommandEnabled(const QString& tool, bool enabled) = 0;
    virtual void setStatusText(const QString& panel, const QString& text) = 0;
    // The title label above the property list.
    virtual void setPropertyListTitle(const QString& caption) = 0;
    // The entries of the quick-find box.
    virtual void setQuickFindEntries(const QStringList& entries) = 0;
    // Shows an entry in the quick-find box without reporting it as the user's choice.
    virtual void showQuickFindEntry(const QString& text) = 0;
};

}  // namespace sentrel::views
