#pragma once

#include <QString>

namespace sentrel::doc {
class Document;
}

namespace sentrel::editing {

// Writes a property's value for a branch: every browser type (deleted ones included) gets
// `value` when it is `typeName` or derives from it, every other one `defaultValue`.
// For the root every type gets `value`.
void applyToBranch(const QString& typeName, const QString& property, const QString& defaultValue,
                   const QString& value, doc::Document& document);

}  // namespace sentrel::editing
