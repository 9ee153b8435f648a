#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

#include "document/Document.h"
#include "editor/lifecycle/EditHistory.h"
#include "editor/lifecycle/LifecycleServices.h"
#include "editor/lifecycle/OpenFileState.h"
#include "editor/lifecycle/RecentDocuments.h"
#include "editor/lifecycle/RecentFiles.h"
#include "shell/Interaction.h"

namespace sentrel {
class OptionStore;
}

namespace sentrel::lifecycle {

class LifecycleView;

// What every lifecycle operation works with.
struct LifecycleContext {
    LifecycleContext(Interaction& interaction, LifecycleView& view,
                     RecentFiles::ListSource recentList)
        : interaction(interaction), view(view), recent(std::move(recentList), view) {}

    Interaction& interaction;
    LifecycleView& view;
    OpenFileState state;
    EditHistory history{state};
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
