#include "reporting/webdirs/ApacheConfiguration.h"

#include <QDir>

#include "reporting/webdirs/ApacheConfigReader.h"

namespace sentrel::webdirs {

ApacheConfiguration ApacheConfiguration::load(const QString& root,
                                              const reg::KeyFileSystem& files) {
    ApacheConfiguration config;
    config.root_ = QDir::cleanPath(root);
    config.serverRoot_ = config.root_;
    ApacheConfigReader reader(config, files);
    reader.readMainFile(config.root_ + QStringLiteral("/apache2.conf"));
    return config;
}

QString ApacheConfiguration::moduleName(QString id) {
    if (id.startsWith(QLatin1String("mod_")) && id.endsWith(QLatin1String(".c"))) {
        return id.mid(4, id.size() - 6);
    }
    if (id.endsWith(QLatin1String(".c"))) id.chop(2);
    if (id.endsWith(QLatin1String("_module"))) id.chop(7);
    return id;
}

}  // namespace sentrel::webdirs
