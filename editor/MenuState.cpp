#include "editor/MenuState.h"

#include <QSet>

#include "editor/CommandTable.h"

namespace sentrel::editor {

namespace {

const QSet<QString>& exemptNames() {
    static const QSet<QString> names = {
        QStringLiteral("miFileNew"), QStringLiteral("miFileOpen"), QStringLiteral("miFileExit"),
        QStringLiteral("miHelpContents"), QStringLiteral("miHelpAbout"),
        QStringLiteral("miSpecialProgramOptions"), QStringLiteral("miSpecialDownload"),
        QStringLiteral("miSpecialUpload"), QStringLiteral("miSpecialWhatsNew"),
        QStringLiteral("miSpecialMerge"), QStringLiteral("miSpecialRunSetupWizard"),
        // These follow the undo history.
        QStringLiteral("miEditUndo"), QStringLiteral("miEditRedo"),
        QStringLiteral("miViewUndoHistory")};
    return names;
}

}  // namespace

bool isExemptFromMenuState(const CommandTool& tool) {
    return exemptNames().contains(tool.name) ||
           (tool.id >= commands::kRecentFileIdBase && tool.id <= commands::kRecentFileIdLast);
}

void SetMenuState(CommandBar& bar, bool enabled) {
    for (const CommandBand* band : bar.menuBands()) {
        if (band->name == QLatin1String("Updates")) continue;
        for (const QString& name : band->toolNames()) {
            const CommandTool* tool = bar.tool(name);
            if (tool && !isExemptFromMenuState(*tool)) bar.setEnabled(name, enabled);
        }
    }
    QuickFindState quickFind = bar.quickFind();
    if (enabled) {
        quickFind.enabled = true;
        bar.setEnabled(QStringLiteral("miFileSave"), false);
    } else {
        quickFind = QuickFindState{};
    }
    bar.setEnabled(commands::kQuickFind, quickFind.enabled);
    bar.setQuickFind(quickFind);
}

}  // namespace sentrel::editor
