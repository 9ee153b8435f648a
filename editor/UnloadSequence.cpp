#include "editor/UnloadSequence.h"

namespace sentrel::editor {

namespace {

void run(const std::function<void()>& step) {
    if (step) step();
}

bool ask(const std::function<bool()>& question, bool whenMissing) {
    return question ? question() : whenMissing;
}

}  // namespace

bool runUnload(const UnloadSteps& steps) {
    if (!ask(steps.closeFile, true)) return false;
    if (ask(steps.launchWaitInProgress, false)) return false;
    run(steps.removeRecentFileTools);
    run(steps.unloadOtherWindows);
    if (!ask(steps.isMinimised, false)) run(steps.storeWindowSettings);
    run(steps.releaseHitTester);
    run(steps.releaseInternalData);
    run(steps.releaseOpenDocument);
    return true;
}

}  // namespace sentrel::editor
