#pragma once

#include <QStringList>

namespace sentrel::codegen {

// The recommended choices of properties to log, compared with the list's names without
// regard to case.
struct PropertyRecommendations {
    // The properties most reports need.
    static QStringList popular();
    // As much detail as the reports can show; "OSDetails" appears twice.
    static QStringList comprehensive();
    // The properties detected by a Java applet in the browser, compared case-sensitively.
    static const QStringList& javaBased();
};

}  // namespace sentrel::codegen
