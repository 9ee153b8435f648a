#include "editor/CommandIcons.h"

#include <QHash>

namespace sentrel::editor::commands {

QString iconNameFor(const QString& tool) {
    static const QHash<QString, QString> icons = {
        {QStringLiteral("miFileNew"), QStringLiteral("document-new")},
        {QStringLiteral("miFileOpen"), QStringLiteral("document-open")},
        {QStringLiteral("miFileClose"), QStringLiteral("document-close")},
        {QStringLiteral("miFileSave"), QStringLiteral("document-save")},
        {QStringLiteral("miFileSaveAs"), QStringLiteral("document-save-as")},
        {QStringLiteral("miFileExport"), QStringLiteral("document-export")},
        {QStringLiteral("miFileCompact"), QStringLiteral("view-refresh")},
        {QStringLiteral("miFileExit"), QStringLiteral("application-exit")},
        {QStringLiteral("miEditUndo"), QStringLiteral("edit-undo")},
        {QStringLiteral("miEditRedo"), QStringLiteral("edit-redo")},
        {QStringLiteral("miBrowsersAdd"), QStringLiteral("list-add")},
        {QStringLiteral("miBrowsersDelete"), QStringLiteral("edit-delete")},
        {QStringLiteral("miBrowsersDescription"), QStringLiteral("edit-rename")},
        {QStringLiteral("miBrowsersUserAgent"), QStringLiteral("edit-find")},
        {QStringLiteral("miBrowsersCreateFolder"), QStringLiteral("folder-new")},
        {QStringLiteral("miPropertiesAdd"), QStringLiteral("list-add")},
        {QStringLiteral("miPropertiesChange"), QStringLiteral("document-properties")},
        {QStringLiteral("miPropertiesRename"), QStringLiteral("edit-rename")},
        {QStringLiteral("miPropertiesRemove"), QStringLiteral("list-remove")},
        {QStringLiteral("miFiltersAdd"), QStringLiteral("list-add")},
        {QStringLiteral("miFiltersChange"), QStringLiteral("document-properties")},
        {QStringLiteral("miFiltersRemove"), QStringLiteral("list-remove")},
        {QStringLiteral("miViewHitTest"), QStringLiteral("system-run")},
        {QStringLiteral("miSpecialDownload"), QStringLiteral("system-software-update")},
        {QStringLiteral("miSpecialProgramOptions"), QStringLiteral("preferences-system")},
        {QStringLiteral("miHelpContents"), QStringLiteral("help-contents")},
        {QStringLiteral("miHelpAbout"), QStringLiteral("help-about")},
    };
    return icons.value(tool);
}

QString fallbackIconPath(const QString& iconName) {
    return QStringLiteral(":/icons/") + iconName + QStringLiteral(".svg");
}

}  // namespace sentrel::editor::commands
