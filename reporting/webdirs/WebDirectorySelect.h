#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "reporting/webdirs/ComboEntries.h"
#include "reporting/webdirs/WebDirNode.h"
#include "reporting/webdirs/WebService.h"
#include "shell/AppError.h"
#include "shell/Interaction.h"

namespace sentrel::webdirs {

class Directory;
class WebServer;

// The web directory selection dialog without its widgets: the sites of the local Apache
// httpd in a combo box, the chosen site's directories in a tree, the chosen directory's
// physical and URL paths, and the permission question on closing. The widget shows `sites()`,
// `tree()`, `currentNode()` and `status()` after each call.
class WebDirectorySelect {
  public:
    // `closedWithSelect` is the program-wide flag telling that the dialog was last closed
    // with its Select button.
    WebDirectorySelect(Interaction& interaction, ApacheSetup setup, bool& closedWithSelect);

    // Clears the flag, reads the configuration and fills the sites (the first one chosen).
    void load();
    // Choosing a site of the combo box (-1: none).
    void chooseSite(int index);
    // Clicking a tree node, given by the keys from the top node down to it.
    void clickNode(const QStringList& nodeKeys);
    // "&Select" and "&Cancel": answer whether the dialog closes.
    bool select();
    bool cancel();

    const ComboEntries& sites() const { return sites_; }
    const QList<WebDirNode>& tree() const { return tree_; }
    const QStringList& currentNode() const { return currentNode_; }
    const QString& status() const { return status_; }
    bool cancelled() const { return cancelled_; }
    const QString& physicalPath() const { return physicalPath_; }
    const QString& urlPath() const { return urlPath_; }

    static inline const QString kHost = QStringLiteral("localhost");

  private:
    void remember(Directory* directory);
    // The question on closing; false when the dialog is to stay open.
    bool closing();
    void showError(const QString& situation, const AppError& error);

    Interaction& interaction_;
    WebService service_;
    bool& closedWithSelect_;
    WebServer* server_ = nullptr;
    Directory* directory_ = nullptr;
    ComboEntries sites_;
    QList<WebDirNode> tree_;
    QStringList currentNode_;
    QString status_;
    QString physicalPath_;
    QString urlPath_;
    bool cancelled_ = false;
};

}  // namespace sentrel::webdirs
