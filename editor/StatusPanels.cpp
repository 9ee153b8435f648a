#include "editor/StatusPanels.h"

#include <QDateTime>
#include <QLocale>

namespace sentrel::editor {

StatusPanels::StatusPanels() {
    const std::pair<const char*, const char*> panels[] = {
        {"Status", "Status messages are displayed here"},
        {"ObjectUpdate", "Last time browser/folder was modified"},
        {"Version", "Current version of this BDF"},
        {"Update", "Last time this BDF was updated"},
        {"Download", "Next BDF check at Norvane"}};
    for (const auto& [key, tooltip] : panels)
        panels_.append({QString::fromUtf8(key), QString::fromUtf8(tooltip), QString(), true});
}

StatusPanels::Panel* StatusPanels::find(const QString& key) {
    for (Panel& panel : panels_)
        if (panel.key == key) return &panel;
    return nullptr;
}

const StatusPanels::Panel* StatusPanels::find(const QString& key) const {
    return const_cast<StatusPanels*>(this)->find(key);
}

QString StatusPanels::text(const QString& key) const {
    const Panel* panel = find(key);
    return panel ? panel->text : QString();
}

bool StatusPanels::isEnabled(const QString& key) const {
    const Panel* panel = find(key);
    return panel && panel->enabled;
}

void StatusPanels::setText(const QString& key, const QString& text) {
    Panel* panel = find(key);
    if (!panel || panel->text == text) return;
    panel->text = text;
    emit panelChanged(key);
}

void StatusPanels::setEnabled(const QString& key, bool enabled) {
    Panel* panel = find(key);
    if (!panel || panel->enabled == enabled) return;
    panel->enabled = enabled;
    emit panelChanged(key);
}

namespace {

QDate parseDate(const QString& stored) {
    const QString value = stored.trimmed();
    if (value.isEmpty()) return {};
    QDate date = QDateTime::fromString(value, Qt::ISODate).date();
    if (!date.isValid()) date = QDate::fromString(value, Qt::ISODate);
    if (!date.isValid()) date = QLocale().toDate(value, QLocale::ShortFormat);
    if (!date.isValid()) date = QLocale().toDateTime(value, QLocale::ShortFormat).date();
    return date;
}

}  // namespace

NextCheckStatus NextCheckStatus::fromStored(const QString& nextCheck) {
    const QDate date = parseDate(nextCheck);
    if (!date.isValid()) return {QStringLiteral(" Next check: N/A "), false};
    return {QStringLiteral(" Next check: ") + QLocale().toString(date, QLocale::ShortFormat) +
                QLatin1Char(' '),
            true};
}

}  // namespace sentrel::editor
