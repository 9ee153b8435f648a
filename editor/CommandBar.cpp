#include "editor/CommandBar.h"

#include <algorithm>

namespace sentrel::editor {

QStringList CommandBand::toolNames() const {
    QStringList names;
    for (const Entry& entry : entries) names << entry.tool;
    return names;
}

int CommandBand::indexOf(const QString& tool) const {
    return toolNames().indexOf(tool);
}

void CommandBar::addTool(const CommandTool& tool) {
    tools_.insert(tool.name, tool);
}

void CommandBar::addBand(const CommandBand& band) {
    bands_.append(band);
    emit bandChanged(band.name);
}

void CommandBar::insertTool(const QString& bandName, int position, const CommandTool& tool,
                            bool beginGroup) {
    CommandBand* target = findBand(bandName);
    if (!target) return;
    if (!tools_.contains(tool.name)) tools_.insert(tool.name, tool);
    const int at = std::clamp(position, 0, static_cast<int>(target->entries.size()));
    target->entries.insert(at, {tool.name, beginGroup});
    emit bandChanged(bandName);
}

void CommandBar::removeTool(const QString& bandName, const QString& toolName) {
    CommandBand* target = findBand(bandName);
    if (!target) return;
    const int at = target->indexOf(toolName);
    if (at < 0) return;
    target->entries.removeAt(at);
    if (!shownAnywhere(toolName)) tools_.remove(toolName);
    emit bandChanged(bandName);
}

const CommandTool* CommandBar::tool(const QString& name) const {
    auto it = tools_.constFind(name);
    return it == tools_.constEnd() ? nullptr : &it.value();
}

const CommandBand* CommandBar::band(const QString& name) const {
    for (const CommandBand& b : bands_)
        if (b.name == name) return &b;
    return nullptr;
}

CommandBand* CommandBar::findBand(const QString& name) {
    for (CommandBand& b : bands_)
        if (b.name == name) return &b;
    return nullptr;
}

QList<const CommandBand*> CommandBar::menuBands() const {
    QList<const CommandBand*> result;
    const CommandBand* main = band(kMainMenu);
    if (!main) return result;
    for (const QString& name : main->toolNames())
        if (const CommandBand* b = band(name)) result << b;
    return result;
}

QStringList CommandBar::toolNames() const {
    return tools_.keys();
}

bool CommandBar::shownAnywhere(const QString& toolName) const {
    for (const CommandBand& b : bands_)
        if (b.indexOf(toolName) >= 0) return true;
    return false;
}

template <typename T>
void CommandBar::update(const QString& name, T CommandTool::*field, const T& value) {
    auto it = tools_.find(name);
    if (it == tools_.end() || (*it).*field == value) return;
    (*it).*field = value;
    emit toolChanged(name);
}

void CommandBar::setEnabled(const QString& name, bool enabled) {
    update(name, &CommandTool::enabled, enabled);
}

void CommandBar::setCaption(const QString& name, const QString& caption) {
    update(name, &CommandTool::caption, caption);
}

void CommandBar::setVisible(const QString& name, bool visible) {
    update(name, &CommandTool::visible, visible);
}

bool CommandBar::isEnabled(const QString& name) const {
    const CommandTool* t = tool(name);
    return t && t->enabled;
}

void CommandBar::setQuickFind(const QuickFindState& state) {
    quickFind_ = state;
    emit quickFindChanged();
}

}  // namespace sentrel::editor
