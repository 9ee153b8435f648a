#pragma once

#include <QStringList>

namespace sentrel::codegen {

// The property names offered for logging when the detection library cannot list its own:
// 149 names, in the order the property list shows them.
QStringList manuallyAddPropertyName();

}  // namespace sentrel::codegen
