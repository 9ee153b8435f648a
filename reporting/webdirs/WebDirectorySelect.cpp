#include "reporting/webdirs/WebDirectorySelect.h"

#include "reporting/webdirs/Directory.h"
#include "reporting/webdirs/WebDirMessages.h"
#include "reporting/webdirs/WebServer.h"

namespace sentrel::webdirs {

namespace messages = webdir_messages;

WebDirectorySelect::WebDirectorySelect(Interaction& interaction, ApacheSetup setup,
                                       bool& closedWithSelect)
    : interaction_(interaction), service_(std::move(setup)), closedWithSelect_(closedWithSelect) {}

void WebDirectorySelect::load() {
    closedWithSelect_ = false;
    try {
        service_.OpenService(kHost);
        service_.FillWebServers(sites_);
    } catch (const AppError& error) {
        sites_.clear();
        showError(error.number() == AppError::kPermissionDenied
                      ? messages::loadPermissionSituation()
                      : messages::loadSituation(),
                  error);
    }
    chooseSite(sites_.current);
    // What could not be read is told once; the sites that could be read stay offered.
    const QList<ApacheConfiguration::Problem>& problems = service_.configuration().problems();
    if (!problems.isEmpty()) {
        const auto& first = problems.first();
        showError(first.number == AppError::kPermissionDenied ? messages::loadPermissionSituation()
                                                              : messages::loadSituation(),
                  AppError(first.number, first.description));
    }
}

void WebDirectorySelect::chooseSite(int index) {
    sites_.current = index;
    server_ = index >= 0 ? service_.WebServers().Item(index) : nullptr;
    tree_.clear();
    currentNode_.clear();
    if (!server_) {
        remember(nullptr);
        return;
    }
    try {
        server_->FillDirectoryTree(tree_);
        currentNode_ = QStringList{tree_.first().key};
        remember(server_->LocateDirectory(currentNode_));
    } catch (const AppError& error) {
        showError(messages::displaySituation(), error);
    }
}

void WebDirectorySelect::clickNode(const QStringList& nodeKeys) {
    if (!server_) return;
    try {
        currentNode_ = nodeKeys;
        remember(server_->LocateDirectory(nodeKeys));
    } catch (const AppError& error) {
        showError(messages::locateSituation(), error);
    }
}

void WebDirectorySelect::remember(Directory* directory) {
    directory_ = directory;
    physicalPath_ = directory ? directory->Path() : QString();
    urlPath_ = directory ? directory->urlPath() : QString();
    status_ = directory ? messages::pressSelectFor(directory->Name()) : QString();
}

bool WebDirectorySelect::select() {
    closedWithSelect_ = true;
    cancelled_ = false;
    if (closing()) return true;
    closedWithSelect_ = false;
    return false;
}

bool WebDirectorySelect::cancel() {
    cancelled_ = true;
    return closing();
}

bool WebDirectorySelect::closing() {
    if (cancelled_ || !directory_) return true;
    try {
        if (directory_->HasExecutePermission()) return true;
        switch (interaction_.message(messages::executePermissionsRequired())) {
            case MsgAnswer::Yes:
                directory_->AllowExecute();
                return true;
            case MsgAnswer::No:
                interaction_.message(messages::reminder());
                return true;
            default:
                return false;
        }
    } catch (const AppError& error) {
        showError(messages::permissionsSituation(), error);
        return false;
    }
}

void WebDirectorySelect::showError(const QString& situation, const AppError& error) {
    interaction_.message(messages::selectionError(situation, error));
}

}  // namespace sentrel::webdirs
