#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace sentrel {

namespace doc {
class Document;
}
namespace webdirs {
class WebDirectorySelect;
}

// What the Preferences and Options dialog needs of the rest of the program. A hook left
// empty does nothing: no file is open, there is nothing to verify, help does not open.
struct OptionsHost {
    // The open definition document; null when no file is open.
    std::function<doc::Document*()> openDocument;
    // Sets the main window's "Version" status panel.
    std::function<void(const QString& text)> setVersionPanel;
    // Marks the open file as modified (Save enabled, unsaved changes).
    std::function<void()> markModified;
    // Runs a change of the open document as one step of its undo history ("Change version");
    // left empty, the change just runs.
    std::function<void(const std::function<void()>& change)> editStep;
    // Opens the help at a help context.
    std::function<void(int helpContext)> showHelpTopic;
    // Lets pending window messages run.
    std::function<void()> processEvents;

    // Shows the busy pointer while the database or the network works (true), then the
    // normal pointer again (false).
    std::function<void(bool busy)> setBusy;
    // Opens an address in the user's web browser.
    std::function<void(const QString& url)> openUrl;
    // Shows the web directory selection dialog modally over its logic, which the dialog
    // loads; returns when the dialog has closed. Left empty, nothing is chosen.
    std::function<void(webdirs::WebDirectorySelect& selection)> showWebDirectorySelect;

    // Shows the choice of the properties to log over the current list (names joined with
    // ","); answers the list confirmed with OK, nothing when the user cancelled.
    std::function<std::optional<QString>(const QString& properties)> selectProperties;
    // Shows the logging code generator for the properties to log and the reports service's URL.
    std::function<void(const QString& properties, const QString& url)> showCodeGenerator;
};

}  // namespace sentrel
