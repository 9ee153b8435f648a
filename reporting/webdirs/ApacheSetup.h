#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "registry/KeyFileSystem.h"

namespace sentrel::webdirs {

// Where the web directories come from and what a deployment writes into: the Apache httpd
// configuration root, the key store the reports web service is to read, the file operations
// (a seam for tests) and the command that checks a changed configuration.
struct ApacheSetup {
    QString configRoot = defaultConfigRoot();
    QString keyStoreRoot;
    // The reports web service's program for PostgreSQL databases, which the snippet names.
    QString postgresProgram;
    std::shared_ptr<reg::KeyFileSystem> files = std::make_shared<reg::KeyFileSystem>();
    // Run with APACHE_CONFDIR set to the configuration root; exit status 0 means accepted.
    QStringList checkCommand = {QStringLiteral("apache2ctl"), QStringLiteral("-t")};

    // $SENTREL_APACHE_ROOT, else /etc/apache2.
    static QString defaultConfigRoot();
};

}  // namespace sentrel::webdirs
