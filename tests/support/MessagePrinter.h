#pragma once

#include <ostream>

#include "shell/Interaction.h"

namespace sentrel {

// Messages in failure output: title, text with line breaks shown, icon, buttons.
inline void PrintTo(const MessageRequest& m, std::ostream* out) {
    QString text = m.text;
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r")).replace(QLatin1Char('\n'), "\\n");
    *out << "{\"" << m.title.toStdString() << "\", \"" << text.toStdString() << "\", icon "
         << int(m.icon) << ", buttons " << int(m.buttons) << ", default " << m.defaultButton
         << ", help " << m.helpContext << "}";
}

}  // namespace sentrel
