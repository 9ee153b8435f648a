#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include "reporting/webdirs/ApacheSetup.h"
#include "support/TempDir.h"

namespace sentrel::test {

// A copy of the machine's Debian Apache httpd configuration (/etc/apache2) in a temporary
// folder, to read and change as a real installation would be, with the helpers a test needs
// to add files and enable them the way a2ensite, a2enconf and a2enmod do.
class ApacheTree {
  public:
    ApacheTree();

    QString root() const { return root_; }
    // A folder of the test outside the configuration (web folders, key store, ...).
    QString scratch(const QString& name) const;
    // Writes a file below the configuration root, creating its folders; answers its path.
    QString write(const QString& relativePath, const QByteArray& content) const;
    // Links <kind>-enabled/<name> to ../<kind>-available/<name> ("sites", "conf", "mods").
    void enable(const QString& kind, const QString& name) const;
    // A site file in sites-available, enabled.
    void addSite(const QString& name, const QByteArray& content) const;
    // A site "<serverName>.conf" on *:80 with its root and aliases ({"/srws", folder}, ...).
    void addSite(const QString& serverName, const QString& documentRoot,
                 const QList<QPair<QString, QString>>& aliases) const;

    // Every file and link below the root: content (links as "-> target") and mode.
    QMap<QString, QByteArray> snapshot() const;

    webdirs::ApacheSetup setup(const QString& keyStoreRoot = QString()) const;

  private:
    TempDir dir_;
    QString root_;
};

}  // namespace sentrel::test
