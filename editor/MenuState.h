#pragma once

#include "editor/CommandBar.h"

namespace sentrel::editor {

// Enables or disables the commands that need an open file. Commands that work without a
// file (New, Open, Exit, help, options, download, what's new, the Setup Wizard) and the
// recent-file tools keep their state. With a file, Save stays off until the first change
// and the quick-find box is enabled; without one the quick-find box is emptied and
// disabled.
void SetMenuState(CommandBar& bar, bool enabled);

// True for the tools whose state SetMenuState never changes.
bool isExemptFromMenuState(const CommandTool& tool);

}  // namespace sentrel::editor
