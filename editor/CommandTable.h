#pragma once

#include <QString>

#include "editor/CommandBar.h"

namespace sentrel::editor {

// The editor's commands: every tool with its caption, identifier and shortcut, the menus in
// order, the "Standard" toolbar, the quick-find band and the never-shown "Updates" band.
namespace commands {

// Recent-file tools are numbered from here: "miFile1" has the identifier 25001.
inline constexpr int kRecentFileIdBase = 25000;
inline constexpr int kRecentFileIdLast = 25010;
inline const QString kQuickFind = QStringLiteral("miBrowsersQuickFind");
inline const QString kQuickFindBand = QStringLiteral("BrowserData");
inline const QString kStandardBand = QStringLiteral("Standard");

// Fills `bar` with the whole command table.
void populate(CommandBar& bar);

// True for "miFile1" .. "miFile9".
bool isRecentFileTool(const QString& name);

// The pane that has the keyboard focus decides what Delete removes.
enum class Pane { None, BrowserTree, PropertyList, FilterTree, FilterList };
// The tool that Delete runs in `pane`; empty where Delete does nothing.
QString deleteToolFor(Pane pane);

}  // namespace commands
}  // namespace sentrel::editor
