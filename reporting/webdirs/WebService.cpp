#include "reporting/webdirs/WebService.h"

#include "reporting/webdirs/SnippetInstaller.h"
#include "reporting/webdirs/WebServer.h"

namespace sentrel::webdirs {

WebService::WebService(ApacheSetup setup) : setup_(std::move(setup)) {}

void WebService::OpenService(const QString& /*host*/) {
    servers_.reset();
    configuration_ = ApacheConfiguration::load(setup_.configRoot, *setup_.files);
}

const ApacheConfiguration& WebService::configuration() const {
    static const ApacheConfiguration none;
    return configuration_ ? *configuration_ : none;
}

webdirs::WebServers& WebService::WebServers() {
    if (servers_) return *servers_;
    servers_.emplace();
    const QString sites = configuration().serverRoot() + QStringLiteral("/sites-enabled/");
    const QString rootSites = configuration().root() + QStringLiteral("/sites-enabled/");
    for (const ApacheHost& host : configuration().virtualHosts()) {
        if (!host.file.startsWith(sites) && !host.file.startsWith(rootSites)) continue;
        QString name = siteName(host);
        if (servers_->Item(name)) name += QStringLiteral(" (%1)").arg(host.address);
        for (int n = 2; servers_->Item(name); ++n)
            name = siteName(host) + QStringLiteral(" (%1 %2)").arg(host.address).arg(n);
        servers_->Add(std::make_shared<WebServer>(*this, host, name));
    }
    return *servers_;
}

QString WebService::siteName(const ApacheHost& host) const {
    if (!host.serverName.isEmpty()) return host.serverName;
    const QString global = configuration().mainServer().serverName;
    return global.isEmpty() ? host.address : global;
}

int WebService::FillWebServers(ComboEntries& combo) {
    combo.clear();
    int count = 0;
    for (const auto& server : WebServers()) combo.add(server->Name(), ++count);
    if (count > 0) combo.current = 0;
    return count;
}

void WebService::allowExecute(const QString& folder, const QString& urlPath) {
    SnippetInstaller(setup_, configuration())
        .install({folder, urlPath, setup_.keyStoreRoot, setup_.postgresProgram});
    configuration_ = ApacheConfiguration::load(setup_.configRoot, *setup_.files);
}

}  // namespace sentrel::webdirs
