#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include "reporting/webdirs/ApacheConfiguration.h"

namespace sentrel::webdirs {

// Walks the directives of the configuration files in the order httpd reads them and fills
// an ApacheConfiguration (see there for what is followed and decided).
class ApacheConfigReader {
  public:
    ApacheConfigReader(ApacheConfiguration& config, const reg::KeyFileSystem& files);

    // Reads the file and everything it includes into the main server.
    void readMainFile(const QString& path);

  private:
    void walk(const QList<ApacheDirective>& directives, ApacheHost& host, int depth);
    void apply(const ApacheDirective& directive, ApacheHost& host, int depth);
    bool applyServerDirective(const ApacheDirective& directive, const QStringList& args,
                              ApacheHost& host);
    void include(const QString& pattern, bool optional, ApacheHost& host, int depth);
    void readFile(const QString& path, ApacheHost& host, int depth);
    void addDirectorySection(const ApacheDirective& directive, ApacheHost& host);
    void addVirtualHost(const ApacheDirective& directive, int depth);
    // Whether a conditional section's body applies; nullopt for other sections.
    std::optional<bool> condition(const ApacheDirective& directive) const;
    // The directives of a section body as they apply: conditionals resolved, variables
    // replaced.
    QList<ApacheDirective> resolved(const QList<ApacheDirective>& body) const;

    QString substituted(const QString& text) const;
    QStringList substituted(const QStringList& args) const;
    QString absolute(const QString& path) const;
    void problem(int number, const QString& description);

    ApacheConfiguration& config_;
    const reg::KeyFileSystem& files_;
    QHash<QString, QString> defines_;
    QHash<QString, QString> envVars_;
};

}  // namespace sentrel::webdirs
