#pragma once

#include <QLocale>
#include <QString>

namespace sentrel::doc {
class TypeObject;
}

namespace sentrel::views {

// Texts the views show for the selected node.
namespace captions {

bool isFolder(const doc::TypeObject& type);
// " Folder: " + text, or " Browser: " + text + "  (" + user agent or "none" + ")".
QString title(const doc::TypeObject& type, const QString& nodeText);
// " Folder updated: " or " Browser updated: ", the last update as the locale's short date,
// and a blank.
QString objectUpdate(const doc::TypeObject& type, const QLocale& locale = QLocale());

}  // namespace captions

}  // namespace sentrel::views
