#include "ApacheTree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace sentrel::test {

ApacheTree::ApacheTree() : root_(dir_.file(QStringLiteral("apache2"))) {
    QProcess::execute(QStringLiteral("cp"),
                      {QStringLiteral("-a"), QStringLiteral("/etc/apache2"), root_});
    // Apache's account must reach the test's folders, as it reaches /etc and /var/www.
    QFile::setPermissions(dir_.path(), QFile::permissions(dir_.path()) | QFile::ExeOther |
                                           QFile::ReadOther | QFile::ExeGroup | QFile::ReadGroup);
}

QString ApacheTree::scratch(const QString& name) const {
    const QString path = dir_.file(name);
    QDir().mkpath(path);
    return path;
}

QString ApacheTree::write(const QString& relativePath, const QByteArray& content) const {
    const QString path = root_ + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(content);
    return path;
}

void ApacheTree::enable(const QString& kind, const QString& name) const {
    QFile::link(QStringLiteral("../%1-available/%2").arg(kind, name),
                root_ + QStringLiteral("/%1-enabled/%2").arg(kind, name));
}

void ApacheTree::addSite(const QString& name, const QByteArray& content) const {
    write(QStringLiteral("sites-available/") + name, content);
    enable(QStringLiteral("sites"), name);
}

void ApacheTree::addSite(const QString& serverName, const QString& documentRoot,
                         const QList<QPair<QString, QString>>& aliases) const {
    QString text = QStringLiteral("<VirtualHost *:80>\n  ServerName %1\n  DocumentRoot %2\n")
                       .arg(serverName, documentRoot);
    for (const auto& [url, folder] : aliases)
        text += QStringLiteral("  Alias %1 %2\n").arg(url, folder);
    addSite(serverName + QStringLiteral(".conf"),
            (text + QStringLiteral("</VirtualHost>\n")).toUtf8());
}

QMap<QString, QByteArray> ApacheTree::snapshot() const {
    QMap<QString, QByteArray> files;
    QDirIterator it(root_, QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        const QByteArray mode = QByteArray::number(int(QFile::permissions(path)), 16);
        files.insert(path.mid(root_.size()), info.isSymLink()
                                                 ? "-> " + info.symLinkTarget().toUtf8()
                                                 : mode + " " + TempDir::read(path));
    }
    return files;
}

webdirs::ApacheSetup ApacheTree::setup(const QString& keyStoreRoot) const {
    webdirs::ApacheSetup setup;
    setup.configRoot = root_;
    setup.keyStoreRoot = keyStoreRoot;
    setup.postgresProgram = QStringLiteral("/opt/sentrel/srws/sentrel-srws-postgres");
    return setup;
}

}  // namespace sentrel::test
