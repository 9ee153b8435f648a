#pragma once

#include <functional>

namespace sentrel::editing {

// An edit changes the document and writes its merge record together, or does neither: a
// change without its record would be lost at the next merge, and a half-made one (a type
// without its description, say) would make the document refuse the same edit again.
//
// Runs the remaining steps of a change already begun in the document, its merge record
// among them. When a step fails, `undo` takes the whole change back and the error goes on
// to be reported by the caller.
void undoOnFailure(const std::function<void()>& steps, const std::function<void()>& undo);

}  // namespace sentrel::editing
