#pragma once

#include <QString>
#include <functional>

namespace sentrel {

namespace doc {
class Document;
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
    // Opens the help at a help context.
    std::function<void(int helpContext)> showHelpTopic;
    // Lets pending window messages run.
    std::function<void()> processEvents;

    // The operations of the reporting tabs.
    std::function<void()> enumSQLServers;
    // True when the user wants to choose the properties to log now (OK then stops).
    std::function<bool()> verifyRptPropertiesSelected;
    std::function<void()> selectPropertiesToLog;
    // Verifies the database settings (with its opening question unless told to skip it);
    // false keeps the dialog open.
    std::function<bool(bool skipQuestion)> verifySQLSettings;
    // Copies the reports web service to its web directory; its result does not stop OK.
    std::function<void()> copySRWS;
};

}  // namespace sentrel
