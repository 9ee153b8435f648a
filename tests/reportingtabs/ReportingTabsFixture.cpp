#include "ReportingTabsFixture.h"

namespace sentrel::test {

ReportingTabsFixture::ReportingTabsFixture() {
    host.setBusy = [this](bool busy) { busyCalls << busy; };
    host.openUrl = [this](const QString& url) { openedUrls << url; };
    tabs.setServerSources({dir.file("no-sockets"), {}});
}

void ReportingTabsFixture::useFile(const QString& path) {
    tabs.setUseAccess(true);
    tabs.setAccessDir(path);
}

void ReportingTabsFixture::useServer(const QString& server, const QString& user,
                                     const QString& password, const QString& database,
                                     const QString& owner) {
    tabs.setUseAccess(false);
    tabs.typeServerName(server);
    tabs.setUseNTAuthentication(false);
    tabs.setUsername(user);
    tabs.setPassword(password);
    tabs.setDatabase(database);
    tabs.setTableOwner(owner);
}

}  // namespace sentrel::test
