#pragma once

#include <QList>
#include <QString>

namespace sentrel::webdirs {

// A node of the web directory tree as the dialog's tree view shows it: key and text are the
// directory's name; the node's place is the list of keys from the top node down to it.
struct WebDirNode {
    QString key;
    QString text;
    QList<WebDirNode> children;

    WebDirNode& add(const QString& name) {
        children.append({name, name, {}});
        return children.last();
    }
};

}  // namespace sentrel::webdirs
