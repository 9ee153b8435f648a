#pragma once

#include <QString>
#include <QTemporaryDir>

namespace sentrel::test {

// A fresh folder per test, removed afterwards.
class TempDir {
  public:
    TempDir();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    // Writes text (UTF-8) to a file in the folder and returns its path.
    QString write(const QString& name, const QByteArray& content) const;
    static QByteArray read(const QString& path);

  private:
    QTemporaryDir dir_;
};

}  // namespace sentrel::test
