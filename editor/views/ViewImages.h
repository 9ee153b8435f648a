#pragma once

#include <QHash>
#include <QIcon>
#include <QString>

namespace sentrel::views {

// The image lists of the views, by key: "browser", "folder", "foldersel" and "filter" for
// the trees; the lower-cased data type names for the property rows.
QHash<QString, QIcon> treeImages();
QHash<QString, QIcon> propertyImages();

}  // namespace sentrel::views
