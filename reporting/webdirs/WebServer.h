#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "reporting/webdirs/ApacheHost.h"
#include "reporting/webdirs/ComboEntries.h"
#include "reporting/webdirs/Directories.h"
#include "reporting/webdirs/WebDirNode.h"

namespace sentrel::webdirs {

class Directory;
class WebService;

// A site of Apache httpd: a `<VirtualHost>` of sites-enabled. Its one top directory is
// "Root" (its `DocumentRoot`, else the main server's); its virtual directories are the
// aliases that apply to it, its own before the main server's.
class WebServer {
  public:
    WebServer(WebService& service, ApacheHost host, QString name);

    const QString& Name() const { return name_; }
    const ApacheHost& host() const { return host_; }
    // Just "Root", built on first use.
    webdirs::Directories& Directories();
    // The tree: "Root" as the top node with every descendant below it.
    void FillDirectoryTree(QList<WebDirNode>& tree);
    // The directory of a node given by the keys from the top node down to it: null for no
    // node, "Root" for the top node, else the child of the parent node's directory.
    Directory* LocateDirectory(const QStringList& nodeKeys);
    // "<<Root Directory>>" (item data 0), then each child of "Root" (1, 2, ...); selects the
    // first entry when a child was added. Answers the number of children.
    int FillDirectories(ComboEntries& combo);

    static inline const QString kRootName = QStringLiteral("Root");

  private:
    Directory* root();

    WebService& service_;
    ApacheHost host_;
    QString name_;
    std::optional<webdirs::Directories> directories_;
};

}  // namespace sentrel::webdirs
