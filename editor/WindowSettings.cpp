#include "editor/WindowSettings.h"

#include <QSettings>

namespace sentrel::editor {

namespace {

const QString kGroup = QStringLiteral("Settings");

std::optional<int> readNumber(QSettings& store, const QString& key) {
    bool ok = false;
    const int value = store.value(key).toString().trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

void writeNumber(QSettings& store, const QString& key, const std::optional<int>& value) {
    if (value) store.setValue(key, QString::number(*value));
}

}  // namespace

WindowSettings WindowSettings::load(QSettings& store) {
    store.beginGroup(kGroup);
    WindowSettings s;
    s.width = readNumber(store, QStringLiteral("MainWidth")).value_or(0);
    s.left = readNumber(store, QStringLiteral("MainLeft"));
    s.top = readNumber(store, QStringLiteral("MainTop"));
    s.height = readNumber(store, QStringLiteral("MainHeight"));
    s.winState = readNumber(store, QStringLiteral("WinState")).value_or(Normal);
    s.horizontal = readNumber(store, QStringLiteral("Horizontal"));
    s.splitBrowser = readNumber(store, QStringLiteral("SplitBrowser"));
    s.splitFilter = readNumber(store, QStringLiteral("SplitFilter"));
    store.endGroup();
    return s;
}

void WindowSettings::save(QSettings& store) const {
    store.beginGroup(kGroup);
    writeNumber(store, QStringLiteral("MainLeft"), left);
    writeNumber(store, QStringLiteral("MainTop"), top);
    writeNumber(store, QStringLiteral("MainWidth"), width);
    writeNumber(store, QStringLiteral("MainHeight"), height);
    writeNumber(store, QStringLiteral("WinState"), winState);
    writeNumber(store, QStringLiteral("Horizontal"), horizontal);
    writeNumber(store, QStringLiteral("SplitBrowser"), splitBrowser);
    writeNumber(store, QStringLiteral("SplitFilter"), splitFilter);
    store.endGroup();
    store.sync();
}

}  // namespace sentrel::editor
