#pragma once

#include <functional>

namespace sentrel::editor {

// What closing the main window does, in order. Each step is supplied by the part of the
// program that owns it; a step left empty is skipped (a missing closeFile counts as "no file
// open, closed").
struct UnloadSteps {
    std::function<bool()> closeFile;             // false: the user chose Cancel
    std::function<bool()> launchWaitInProgress;  // a launched program is being waited for
    std::function<void()> removeRecentFileTools;
    std::function<void()> unloadOtherWindows;
    std::function<bool()> isMinimised;
    std::function<void()> storeWindowSettings;
    std::function<void()> releaseHitTester;
    std::function<void()> releaseInternalData;  // save, revoke and release
    std::function<void()> releaseOpenDocument;  // a document still held: revoke and release
};

// Runs the unload; true when the window may close.
bool runUnload(const UnloadSteps& steps);

}  // namespace sentrel::editor
