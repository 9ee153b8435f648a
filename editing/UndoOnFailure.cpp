#include "editing/UndoOnFailure.h"

namespace sentrel::editing {

void undoOnFailure(const std::function<void()>& steps, const std::function<void()>& undo) {
    try {
        steps();
    } catch (...) {
        undo();
        throw;
    }
}

}  // namespace sentrel::editing
