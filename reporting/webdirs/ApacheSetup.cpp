#include "reporting/webdirs/ApacheSetup.h"

namespace sentrel::webdirs {

QString ApacheSetup::defaultConfigRoot() {
    const QString root = qEnvironmentVariable("SENTREL_APACHE_ROOT");
    return root.isEmpty() ? QStringLiteral("/etc/apache2") : root;
}

}  // namespace sentrel::webdirs
