#pragma once

#include <functional>

namespace sentrel {
class Interaction;
}

namespace sentrel::editing {

// Runs a user-level operation and reports an error it raises instead of letting it escape
// into the window's event loop: a critical message "Error #" + number + ": " + description,
// titled with the product name. Answers false when an error was reported. The operation has
// changed nothing further after the failing call; what it wrote before stays.
bool runReported(Interaction& interaction, const std::function<void()>& operation);

}  // namespace sentrel::editing
