#include "registry/KeyFolderName.h"

namespace sentrel::reg {

QString folderNameOfKey(const QString& keyName) {
    if (keyName == QLatin1String(".") || keyName == QLatin1String("..")) {
        return QString(keyName).replace(QLatin1Char('.'), QLatin1String("%2E"));
    }
    QString folder;
    for (const QChar c : keyName) {
        if (c == QLatin1Char('%')) {
            folder += QLatin1String("%25");
        } else if (c == QLatin1Char('/')) {
            folder += QLatin1String("%2F");
        } else if (c == QChar(0)) {
            folder += QLatin1String("%00");
        } else {
            folder += c;
        }
    }
    return folder;
}

QString keyNameOfFolder(const QString& folderName) {
    QString key;
    for (qsizetype i = 0; i < folderName.size(); ++i) {
        bool ok = false;
        const int code = i + 2 < folderName.size() && folderName[i] == QLatin1Char('%')
                             ? folderName.mid(i + 1, 2).toInt(&ok, 16)
                             : 0;
        if (ok) {
            key += QChar(code);
            i += 2;
        } else {
            key += folderName[i];
        }
    }
    return key;
}

}  // namespace sentrel::reg
