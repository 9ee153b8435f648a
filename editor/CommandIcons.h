#pragma once

#include <QString>

namespace sentrel::editor::commands {

// The icon of a command: a name of the freedesktop icon naming scheme ("document-open"),
// taken from the desktop's theme, with an SVG of our own at ":/icons/NAME.svg" where the
// theme has none. Empty for commands without an icon.
QString iconNameFor(const QString& tool);

// The resource path of the fallback for an icon name.
QString fallbackIconPath(const QString& iconName);

}  // namespace sentrel::editor::commands
