#include "editor/CommandDispatcher.h"

#include "editor/CommandTable.h"

namespace sentrel::editor {

CommandDispatcher::CommandDispatcher(Interaction& interaction, QString applicationTitle)
    : interaction_(interaction), title_(std::move(applicationTitle)) {}

void CommandDispatcher::registerOperation(const QString& tool, Operation operation) {
    operations_.insert(tool, std::move(operation));
}

void CommandDispatcher::dispatch(const QString& tool) {
    if (auto it = operations_.constFind(tool); it != operations_.constEnd() && *it) {
        (*it)();
        return;
    }
    // Recent-file tools are matched after every other name has failed.
    if (commands::isRecentFileTool(tool) && recentFile_ && captionOf_) {
        recentFile_(captionOf_(tool).mid(3));
        return;
    }
    notImplemented();
}

void CommandDispatcher::notImplemented() {
    interaction_.message(kNotImplemented, title_, MsgIcon::None, MsgButtons::OK);
}

}  // namespace sentrel::editor
