#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "reporting/webdirs/ApacheHost.h"
#include "reporting/webdirs/Directories.h"

namespace sentrel::webdirs {

class WebService;

// A folder a site serves: its "Root" (the site's `DocumentRoot`) or a virtual directory (an
// `Alias` or `ScriptAlias`). A virtual directory is nested under the closest directory whose
// URL path contains its own ("/a/b" under "/a"), else under "Root"; its name is its URL path
// relative to that parent ("b"; "a/b" when "/a" is no alias).
class Directory {
  public:
    // `urlPath` is "" for "Root", else the alias's URL path ("/srws"); `aliases` are all
    // the site's aliases, of which the directory's descendants are built on first use.
    Directory(WebService& service, ApacheHost host, QString name, QString path, QString urlPath,
              const Directory* parent, QList<ApacheAlias> aliases);

    // The physical folder.
    const QString& Path() const { return path_; }
    const QString& Name() const { return name_; }
    const Directory* parent() const { return parent_; }
    bool isRoot() const { return parent_ == nullptr; }
    // The child virtual directories.
    webdirs::Directories& Directories();
    // Whether Apache httpd runs the reports web service here as a CGI program.
    bool HasExecutePermission() const;
    // Writes our snippet for this folder (see SnippetInstaller); AppError when it could not
    // be written or httpd refused it, with everything put back.
    void AllowExecute();
    // Adds this directory's node under `parent` and fills it with the descendants.
    void FillNode(WebDirNode& parent);

    // "/" for "Root", "/" + name + "/" below it: the names of the directory and of every
    // ancestor up to (not including) "Root", each after a "/", then a final "/".
    QString urlPath() const;

  private:
    WebService& service_;
    ApacheHost host_;
    QString name_;
    QString path_;
    QString aliasUrl_;
    const Directory* parent_;
    QList<ApacheAlias> aliases_;
    std::optional<webdirs::Directories> directories_;
};

}  // namespace sentrel::webdirs
