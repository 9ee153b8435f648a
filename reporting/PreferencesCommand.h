#pragma once

#include <functional>

namespace sentrel {

class OptionStore;

// The main window's "&Preferences and options..." command: shows the dialog modally; when
// "Show version properties" or "Show system properties" changed and a file is open, the
// selected browser is shown again, forced, so that its property list follows the new
// setting.
struct PreferencesCommand {
    const OptionStore* options = nullptr;
    std::function<void()> showDialog;
    std::function<bool()> fileOpen;
    std::function<void()> refreshSelected;

    void operator()() const;
};

}  // namespace sentrel
