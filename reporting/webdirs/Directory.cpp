#include "reporting/webdirs/Directory.h"

#include <algorithm>

#include "reporting/webdirs/ExecutePermission.h"
#include "reporting/webdirs/WebService.h"

namespace sentrel::webdirs {

namespace {

bool isBelow(const QString& url, const QString& ancestorUrl) {
    return url.startsWith(ancestorUrl + QLatin1Char('/'));
}

}  // namespace

Directory::Directory(WebService& service, ApacheHost host, QString name, QString path,
                     QString urlPath, const Directory* parent, QList<ApacheAlias> aliases)
    : service_(service),
      host_(std::move(host)),
      name_(std::move(name)),
      path_(std::move(path)),
      aliasUrl_(std::move(urlPath)),
      parent_(parent),
      aliases_(std::move(aliases)) {}

webdirs::Directories& Directory::Directories() {
    if (directories_) return *directories_;
    directories_.emplace();
    for (const ApacheAlias& alias : aliases_) {
        if (!isBelow(alias.urlPath, aliasUrl_)) continue;
        // A child has no other alias between this directory and itself.
        const bool nested =
            std::any_of(aliases_.begin(), aliases_.end(), [&](const ApacheAlias& other) {
                return isBelow(other.urlPath, aliasUrl_) && isBelow(alias.urlPath, other.urlPath);
            });
        if (nested) continue;
        const QString name = alias.urlPath.mid(aliasUrl_.size() + 1);
        directories_->Add(std::make_shared<Directory>(service_, host_, name, alias.path,
                                                      alias.urlPath, this, aliases_));
    }
    return *directories_;
}

bool Directory::HasExecutePermission() const {
    return ExecutePermission::of(service_.configuration(), host_, path_);
}

void Directory::AllowExecute() {
    service_.allowExecute(path_, urlPath());
}

void Directory::FillNode(WebDirNode& parent) {
    WebDirNode& node = parent.add(name_);
    Directories().FillNode(node);
}

QString Directory::urlPath() const {
    QString path = QStringLiteral("/");
    for (const Directory* d = this; d && !d->isRoot(); d = d->parent_) {
        path.prepend(QLatin1Char('/') + d->name_);
    }
    return path;
}

}  // namespace sentrel::webdirs
