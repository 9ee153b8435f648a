#pragma once

#include <QHash>
#include <QString>
#include <functional>

#include "shell/Interaction.h"

namespace sentrel::editor {

// Routes a command, by its tool name, to the operation registered for it. The areas that
// implement commands (file lifecycle, editing, export, options, help) register their
// operations here; a command nobody has registered yet, and any unknown name, answers
// "Not yet implemented".
class CommandDispatcher {
  public:
    using Operation = std::function<void()>;
    // A recent-file tool's operation receives the path its caption shows ("&1 path").
    using RecentFileOperation = std::function<void(const QString& path)>;
    using CaptionLookup = std::function<QString(const QString& tool)>;

    CommandDispatcher(Interaction& interaction, QString applicationTitle);

    void registerOperation(const QString& tool, Operation operation);
    void registerRecentFile(RecentFileOperation operation) { recentFile_ = std::move(operation); }
    // How the dispatcher finds the caption of a recent-file tool.
    void setCaptionLookup(CaptionLookup lookup) { captionOf_ = std::move(lookup); }

    bool hasOperation(const QString& tool) const { return operations_.contains(tool); }
    void dispatch(const QString& tool);

    static inline const QString kNotImplemented = QStringLiteral("Not yet implemented");

  private:
    void notImplemented();

    Interaction& interaction_;
    QString title_;
    QHash<QString, Operation> operations_;
    RecentFileOperation recentFile_;
    CaptionLookup captionOf_;
};

}  // namespace sentrel::editor
