#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

#include "document/Document.h"
#include "editor/lifecycle/OpenFileState.h"
#include "editor/lifecycle/RecentDocuments.h"
#include "editor/lifecycle/RecentFiles.h"
#include "shell/Interaction.h"

namespace sentrel {
class OptionStore;
}

namespace sentrel::lifecycle {

class LifecycleView;

// The outside operations the lifecycle calls, replaceable so that tests can make them fail
// and so that later parts of the program can fill them in.
struct LifecycleServices {
    // Binds a definitions document (loads it and takes its lock).
    std::function<std::unique_ptr<doc::Document>(const QString& path)> bind = &doc::Document::bind;
    // Saves the document to a path (its own file or a new one); throws AppError on failure.
    std::function<void(doc::Document& document, const QString& path)> save =
        [](doc::Document& document, const QString& path) { document.save(path); };
    // Writes the BDD of the open document to `bddPath`; reports its own failures and
    // answers false for them. Until the BDD writer is joined in it does nothing.
    std::function<bool(const QString& bddPath, bool showProgress)> exportFile =
        [](const QString&, bool) { return true; };
    std::function<QDateTime()> now = &QDateTime::currentDateTime;
};

// What every lifecycle operation works with.
struct LifecycleContext {
    LifecycleContext(Interaction& interaction, LifecycleView& view,
                     RecentFiles::ListSource recentList)
        : interaction(interaction), view(view), recent(std::move(recentList), view) {}

    Interaction& interaction;
    LifecycleView& view;
    OpenFileState state;
    RecentFiles recent;
    RecentDocuments shellRecent;
    LifecycleServices services;
    OptionStore* options = nullptr;  // null until the option store is loaded
    QString baseDirectory;

    QString templatePath() const { return baseDirectory + QStringLiteral("/intmpl.bdf"); }
    // Adds a file just opened or saved to both recent lists (never the template).
    void rememberFile(const QString& path);
    // The document's version in the "Version" and "Update" panels and the option store's
    // version fields.
    void showVersion();
    void setStatus(const QString& text);
    MsgAnswer tell(const MessageRequest& message);
};

}  // namespace sentrel::lifecycle
