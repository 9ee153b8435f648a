#pragma once

#include <QString>
#include <functional>

namespace sentrel::codegen {

// Whether a property needs the detection library's extended (client-side) tests.
using ExtendedPropertyTest = std::function<bool(const QString& name)>;

// The built-in list: true when the name, trimmed, is one of the properties only a script in
// the browser can find out, compared without regard to case.
bool isExtProperty(const QString& name);

// The test to use: the detection library's own, when it loads the definitions file and
// detects the user agent "dummy" with them (OSName, OSVersion and OSDetails never count as
// extended then); the built-in list when it cannot.
ExtendedPropertyTest extendedPropertyTest(const QString& definitionsFile);

// The names of the properties to log (joined with ",") that need the extended tests, in their
// order, joined with ", "; empty when none does.
QString generateExtPropList(const QString& propertiesToLog, const ExtendedPropertyTest& isExtended);

}  // namespace sentrel::codegen
