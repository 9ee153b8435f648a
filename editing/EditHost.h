#pragma once

#include <QString>
#include <array>

namespace sentrel {
class Interaction;
}
namespace sentrel::doc {
class Document;
}

namespace sentrel::editing {

// What every editing operation works with, supplied by the main window: the open document,
// the user, the date stamp, the merge journal and the step every edit ends with.
class EditHost {
  public:
    virtual ~EditHost() = default;

    virtual doc::Document& document() = 0;
    virtual Interaction& interaction() = 0;
    // The program's start stamp as text: written into `i__lastupd` and into merge records.
    virtual QString dateStamp() const = 0;
    // Appends one record (code 1 to 12 and its five fields) to the temporary merge file.
    virtual void writeMergeRecord(int code, const std::array<QString, 5>& fields) = 0;
    // Enables Save, sets the unsaved-changes and changed-since-test flags and shows the
    // selected node's last update.
    virtual void markModified() = 0;
    // Tells the filter dialog to rebuild its property list before its next use.
    virtual void setFilterDialogStale() = 0;
    // A status panel by key ("Status", "ObjectUpdate", ...).
    virtual void setStatusText(const QString& panel, const QString& text) = 0;
    // An operation's changes between these two calls are one step of the undo history,
    // named by `text` ("Remove property 'Cookies'"); nested pairs join the outer one.
    virtual void beginStep(const QString& text) { (void)text; }
    virtual void endStep() {}
};

}  // namespace sentrel::editing
