#include "export/TemporaryBdd.h"

#include <QFile>
#include <QFileInfo>

#include "detect/DefinitionsCache.h"
#include "document/FileAccess.h"

namespace sentrel::exporting {

TemporaryBdd::TemporaryBdd(const QString& baseDirectory, detect::DefinitionsCache& cache)
    : path_(baseDirectory + u'/' + kFileName), cache_(cache) {}

bool TemporaryBdd::exists() const {
    return QFileInfo(path_).isFile();
}

void TemporaryBdd::copyFrom(const QString& source) {
    doc::file_access::writeAll(path_, doc::file_access::readAll(source));
    rewritten();
}

bool TemporaryBdd::remove() {
    const bool removed = !QFileInfo::exists(path_) || QFile::remove(path_);
    rewritten();
    return removed;
}

void TemporaryBdd::rewritten() {
    cache_.forget(QFile::encodeName(path_).toStdString());
}

}  // namespace sentrel::exporting
