#pragma once

#include <QDir>
#include <QString>

namespace sentrel::update {

// The files of an installation that an update replaces or reads, all in its base directory.
struct InstalledFiles {
    QString baseDirectory;

    QString file(const QString& name) const { return QDir(baseDirectory).filePath(name); }
    QString definitions() const { return file(QStringLiteral("maindefs.bdf")); }
    QString backup() const { return file(QStringLiteral("maindefs.bdf.bak")); }
    QString mergeFile() const { return file(QStringLiteral("maindefs.mrg")); }
    QString bdd() const { return file(QStringLiteral("maindefs.bdd")); }
    QString whatsNew() const { return file(QStringLiteral("whatsnew.txt")); }
};

}  // namespace sentrel::update
