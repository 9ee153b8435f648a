#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <optional>

#include "reporting/webdirs/ApacheSetup.h"
#include "reporting/webdirs/SrwsSnippet.h"

namespace sentrel::webdirs {

class ApacheConfiguration;

// Writes our snippet into the configuration root, enables it and the modules it needs as
// a2enconf and a2enmod do (relative links in conf-enabled/ and mods-enabled/), and has
// httpd check the result. When anything fails, or httpd refuses the configuration, every
// file and link is put back as it was before (byte for byte) and AppError tells why; httpd
// is never left with a configuration that fails its check.
class SnippetInstaller {
  public:
    SnippetInstaller(const ApacheSetup& setup, const ApacheConfiguration& config);

    void install(const SrwsSnippet& snippet);

  private:
    void writeSnippet(const SrwsSnippet& snippet);
    void enableModules();
    void enableModule(const QString& module);
    void link(const QString& linkPath, const QString& target);
    void check() const;
    void rollBack();

    const ApacheSetup& setup_;
    const ApacheConfiguration& config_;
    std::optional<QByteArray> previousSnippet_;
    QFile::Permissions previousMode_;
    QStringList createdLinks_;
};

}  // namespace sentrel::webdirs
