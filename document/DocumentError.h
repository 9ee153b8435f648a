#pragma once

#include <QString>

namespace sentrel::doc {

// Throws the AppError of the document library: `number` with `description`.
[[noreturn]] void raiseDocumentError(int number, const QString& description);

// Throws kErrInvalidArgument when `name` is empty; `what` names it in the message.
void requireName(const QString& name, const char* what);

}  // namespace sentrel::doc
