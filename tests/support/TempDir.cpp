#include "support/TempDir.h"

#include <QFile>

namespace sentrel::test {

TempDir::TempDir() : dir_(QDir::tempPath() + QStringLiteral("/sentrel-test-XXXXXX")) {}

QString TempDir::write(const QString& name, const QByteArray& content) const {
    const QString path = file(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(content);
    return path;
}

QByteArray TempDir::read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace sentrel::test
