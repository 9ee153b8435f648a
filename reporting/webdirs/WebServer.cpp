#include "reporting/webdirs/WebServer.h"

#include "reporting/webdirs/Directory.h"
#include "reporting/webdirs/WebService.h"

namespace sentrel::webdirs {

WebServer::WebServer(WebService& service, ApacheHost host, QString name)
    : service_(service), host_(std::move(host)), name_(std::move(name)) {}

webdirs::Directories& WebServer::Directories() {
    if (directories_) return *directories_;
    directories_.emplace();
    QString documentRoot = host_.documentRoot;
    if (documentRoot.isEmpty()) documentRoot = service_.configuration().mainServer().documentRoot;
    QList<ApacheAlias> aliases;
    QStringList seen;
    // The site's own aliases first: a main-server alias of the same URL path is hidden.
    for (const ApacheAlias& alias : host_.aliases + service_.configuration().mainServer().aliases) {
        if (alias.urlPath == QLatin1String("/") || seen.contains(alias.urlPath)) continue;
        seen.append(alias.urlPath);
        aliases.append(alias);
    }
    directories_->Add(std::make_shared<Directory>(service_, host_, kRootName, documentRoot,
                                                  QString(), nullptr, aliases));
    return *directories_;
}

Directory* WebServer::root() {
    return Directories().Item(kRootName);
}

void WebServer::FillDirectoryTree(QList<WebDirNode>& tree) {
    tree.clear();
    WebDirNode top{kRootName, kRootName, {}};
    root()->Directories().FillNode(top);
    tree.append(top);
}

Directory* WebServer::LocateDirectory(const QStringList& nodeKeys) {
    if (nodeKeys.isEmpty()) return nullptr;
    if (nodeKeys.size() == 1) return root();
    Directory* parent = LocateDirectory(nodeKeys.mid(0, nodeKeys.size() - 1));
    return parent ? parent->Directories().Item(nodeKeys.last()) : nullptr;
}

int WebServer::FillDirectories(ComboEntries& combo) {
    combo.clear();
    combo.add(QStringLiteral("<<Root Directory>>"), 0);
    int count = 0;
    for (const auto& child : root()->Directories()) combo.add(child->Name(), ++count);
    if (count > 0) combo.current = 0;
    return count;
}

}  // namespace sentrel::webdirs
