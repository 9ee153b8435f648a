#include "editor/lifecycle/PathNames.h"

#include <QFileInfo>

namespace sentrel::lifecycle {

QString FileNameOnly(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString withLastThree(const QString& path, const QString& extension) {
    return path.left(qMax<qsizetype>(0, path.size() - 3)) + extension;
}

QString absolutePath(const QString& path) {
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

QString lastThreeLower(const QString& path) {
    return path.right(3).toLower();
}

bool mentionsTemplate(const QString& path) {
    return path.contains(kTemplateName, Qt::CaseInsensitive);
}

bool isMasterFile(const QString& path) {
    return FileNameOnly(path).toLower() == kMasterName;
}

}  // namespace sentrel::lifecycle
