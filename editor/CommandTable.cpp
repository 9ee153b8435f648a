#include "editor/CommandTable.h"

#include <QRegularExpression>

namespace sentrel::editor::commands {

namespace {

struct ToolRow {
    const char* name;
    const char* caption;
    const char* shortcut;
    bool beginGroup;
};

using Kind = CommandBand::Kind;

// A menu band and its tools; identifiers run from `firstId` in table order.
void addMenu(CommandBar& bar, const char* band, const char* caption, int firstId,
             std::initializer_list<ToolRow> rows) {
    CommandBand menu{QString::fromUtf8(band), QString::fromUtf8(caption), Kind::Menu, {}};
    int id = firstId;
    for (const ToolRow& row : rows) {
        bar.addTool({QString::fromUtf8(row.name), QString::fromUtf8(row.caption), id++,
                     QString::fromUtf8(row.shortcut)});
        menu.entries.append({QString::fromUtf8(row.name), row.beginGroup});
    }
    bar.addBand(menu);
}

void addMenus(CommandBar& bar) {
    addMenu(bar, "File", "&File", 101,
            {{"miFileNew", "&New", "Ctrl+N", false},
             {"miFileOpen", "&Open...", "Ctrl+O", false},
             {"miFileClose", "&Close", "Ctrl+W", false},
             {"miFileSave", "&Save", "Ctrl+S", true},
             {"miFileSaveAs", "S&ave As...", "Ctrl+Shift+S", false},
             {"miFileExport", "&Export...", "Ctrl+E", true},
             {"miFileCompact", "Com&pact", "", false},
             {"miFileExit", "E&xit", "Ctrl+Q", true}});
    addMenu(bar, "Edit", "&Edit", 151,
            {{"miEditUndo", "&Undo", "Ctrl+Z", false},
             {"miEditRedo", "&Redo", "Ctrl+Shift+Z; Ctrl+Y", false}});
    addMenu(bar, "Browsers", "&Browsers", 201,
            {{"miBrowsersAdd", "&Add...", "", false},
             {"miBrowsersDelete", "&Delete", "", false},
             {"miBrowsersDescription", "&Change description...", "", false},
             {"miBrowsersUserAgent", "&User agent...", "", false},
             {"miBrowsersExpand", "&Expand", "", true},
             {"miBrowsersCollapse", "C&ollapse", "", false},
             {"miBrowsersCreateFolder", "C&reate Folder...", "", true}});
    addMenu(bar, "Properties", "&Properties", 301,
            {{"miPropertiesAdd", "&Add...", "", false},
             {"miPropertiesChange", "&Change...", "", false},
             {"miPropertiesRename", "&Rename...", "", false},
             {"miPropertiesRemove", "R&emove", "", false}});
    addMenu(bar, "Filters", "Fi&lters", 401,
            {{"miFiltersAdd", "&Add...", "", false},
             {"miFiltersChange", "&Change...", "", false},
             {"miFiltersRemove", "R&emove", "", false}});
    addMenu(bar, "View", "&View", 501,
            {{"miViewParent", "&Parent", "", false},
             {"miViewDefaultBrowser", "&Default browser", "", false},
             {"miViewHitTest", "&Hit tester...", "F5", true},
             {"miViewUndoHistory", "&Undo history", "", true}});
    addMenu(bar, "Reports", "&Reports", 601, {});
    addMenu(bar, "Special", "&Special", 701,
            {{"miSpecialDownload", "&Download latest definitions from Norvane...", "", false},
             {"miSpecialUpload", "", "", false},
             {"miSpecialProgramOptions", "&Preferences and options...", "", true},
             {"miSpecialRunSetupWizard", "&Run Setup Wizard...", "", false},
             {"miSpecialWhatsNew", "&What's New?...", "", true},
             {"miSpecialMerge", "&Merge customizations...", "", true}});
    addMenu(bar, "Help", "&Help", 801,
            {{"miHelpContents", "&Contents && Index...", "F1", false},
             {"miHelpWelcome", "&Welcome to Sentrel!", "", false},
             {"miHelpTechnicalSupport", "&Technical Support...", "", true},
             {"miHelpAbout", "&About...", "", true}});
}

// The menu bar lists the menu bands in menu order.
void addMenuBar(CommandBar& bar) {
    CommandBand menuBar{CommandBar::kMainMenu, QString(), Kind::MenuBar, {}};
    for (const char* band : {"File", "Edit", "Browsers", "Properties", "Filters", "View", "Reports",
                             "Special", "Help"})
        menuBar.entries.append({QString::fromUtf8(band), false});
    bar.addBand(menuBar);
}

CommandBand::Entry entry(const char* tool, bool beginGroup = false) {
    return {QString::fromUtf8(tool), beginGroup};
}

// Toolbar buttons show text; several menu captions ("&Add...") need their menu's name there.
void setButtonTexts(CommandBar& bar) {
    const std::pair<const char*, const char*> texts[] = {{"miEditUndo", "Undo"},
                                                         {"miEditRedo", "Redo"},
                                                         {"miBrowsersAdd", "Add browser"},
                                                         {"miBrowsersDescription", "Description"},
                                                         {"miBrowsersCreateFolder", "New folder"},
                                                         {"miBrowsersUserAgent", "User agent"},
                                                         {"miPropertiesChange", "Change property"},
                                                         {"miPropertiesAdd", "Add property"},
                                                         {"miFiltersAdd", "Add filter"},
                                                         {"miSpecialDownload", "Download"},
                                                         {"miSpecialProgramOptions", "Preferences"},
                                                         {"miHelpContents", "Help"}};
    for (const auto& [name, text] : texts) {
        CommandTool tool = *bar.tool(QString::fromUtf8(name));
        tool.buttonText = QString::fromUtf8(text);
        bar.addTool(tool);
    }
}

void addToolbars(CommandBar& bar) {
    bar.addBand(
        {kStandardBand,
         QStringLiteral("Standard"),
         Kind::Toolbar,
         {entry("miFileNew"), entry("miFileOpen"), entry("miFileSave"), entry("miEditUndo", true),
          entry("miEditRedo"), entry("miBrowsersAdd", true), entry("miBrowsersDescription"),
          entry("miBrowsersCreateFolder"), entry("miBrowsersUserAgent"),
          entry("miPropertiesChange", true), entry("miPropertiesAdd"), entry("miFiltersAdd", true),
          entry("miViewHitTest", true), entry("miSpecialDownload", true),
          entry("miSpecialProgramOptions"), entry("miHelpContents", true)}});
    bar.addTool({kQuickFind, QStringLiteral("Quick find:"), 901, QString()});
    bar.addBand({kQuickFindBand,
                 QStringLiteral("BrowserData"),
                 Kind::Toolbar,
                 {entry("miBrowsersQuickFind")}});
    // Upload and download of definitions have no action in this program: kept, not shown.
    for (const char* name : {"miOptionsUploadDefinitions", "miOptionsDownloadDefinitions"})
        bar.addTool({QString::fromUtf8(name), QString(), 0, QString(), true, false});
    bar.addBand({QStringLiteral("Updates"),
                 QStringLiteral("Updates"),
                 Kind::Hidden,
                 {entry("miOptionsUploadDefinitions"), entry("miOptionsDownloadDefinitions")}});
}

}  // namespace

void populate(CommandBar& bar) {
    addMenus(bar);
    addMenuBar(bar);
    addToolbars(bar);
    setButtonTexts(bar);
    // Upload has no action in this program: kept for its name, not shown.
    bar.setVisible(QStringLiteral("miSpecialUpload"), false);
}

bool isRecentFileTool(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^miFile[1-9]$"));
    return pattern.match(name).hasMatch();
}

QString deleteToolFor(Pane pane) {
    switch (pane) {
        case Pane::BrowserTree:
            return QStringLiteral("miBrowsersDelete");
        case Pane::PropertyList:
            return QStringLiteral("miPropertiesRemove");
        case Pane::FilterTree:
        case Pane::FilterList:
            return QStringLiteral("miFiltersRemove");
        case Pane::None:
            break;
    }
    return QString();
}

}  // namespace sentrel::editor::commands
