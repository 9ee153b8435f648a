#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace sentrel::webdirs {

// The entries of a combo box as the logic fills it: texts, item data, the selected entry.
struct ComboEntries {
    QStringList texts;
    QList<int> itemData;
    int current = -1;  // -1: nothing selected

    void clear() { *this = ComboEntries(); }
    void add(const QString& text, int data) {
        texts.append(text);
        itemData.append(data);
    }
    int count() const { return int(texts.size()); }
};

}  // namespace sentrel::webdirs
