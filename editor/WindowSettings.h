#pragma once

#include <QString>
#include <optional>

class QSettings;

namespace sentrel::editor {

// The main window's placement as kept in the per-user settings store, group "Settings",
// every value a string, sizes in twips. A value that is missing or not a number is absent
// here, and the window keeps its design placement for it.
struct WindowSettings {
    enum State { Normal = 0, Minimised = 1, Maximised = 2 };

    std::optional<int> left, top;
    int width = 0;  // "MainWidth", read with the default 0: below 1 means the first run
    std::optional<int> height;
    int winState = Normal;
    std::optional<int> horizontal;    // top of the horizontal splitter
    std::optional<int> splitBrowser;  // left of the browser splitter
    std::optional<int> splitFilter;   // left of the filter splitter

    bool firstRun() const { return width < 1; }

    static WindowSettings load(QSettings& store);
    void save(QSettings& store) const;
};

}  // namespace sentrel::editor
