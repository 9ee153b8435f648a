#include "reporting/webdirs/ApacheConfigReader.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <optional>

#include "registry/KeyFileSystem.h"
#include "reporting/webdirs/ApacheConfigParser.h"
#include "reporting/webdirs/ApacheEnvVars.h"
#include "shell/AppError.h"

namespace sentrel::webdirs {

namespace {

// httpd gives up on includes nested deeper than this (a file including itself).
constexpr int kMaxIncludeDepth = 128;

// Modules built into Debian's httpd: `<IfModule>` finds them without `LoadModule`.
const char* const kStaticModules[] = {"core",       "http_core", "so",      "watchdog", "http",
                                      "log_config", "logio",     "version", "unixd"};

// Sections whose body applies without condition as far as this reading is concerned.
const char* const kTransparentSections[] = {"IfVersion", "IfDirective", "IfSection"};

bool isWildcard(const QString& text) {
    return text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?')) ||
           text.contains(QLatin1Char('['));
}

QString withoutTrailingSlash(QString path) {
    while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) path.chop(1);
    return path;
}

// The URL path of an alias: a leading "/", no trailing "/".
QString urlPathOf(const QString& url) {
    QString path = url.startsWith(QLatin1Char('/')) ? url : QLatin1Char('/') + url;
    return withoutTrailingSlash(path);
}

}  // namespace

ApacheConfigReader::ApacheConfigReader(ApacheConfiguration& config, const reg::KeyFileSystem& files)
    : config_(config), files_(files) {
    for (const char* module : kStaticModules) config_.modules_.insert(QLatin1String(module));
    // Debian's httpd serves this folder where no DocumentRoot is configured.
    config_.main_.documentRoot = QStringLiteral("/var/www/html");
    QByteArray envvars;
    if (files_.readFile(config_.root_ + QStringLiteral("/envvars"), envvars) == 0) {
        envVars_ = ApacheEnvVars::parse(envvars);
    }
}

void ApacheConfigReader::readMainFile(const QString& path) {
    QByteArray text;
    const int status = files_.readFile(path, text);
    if (status == reg::ERROR_FILE_NOT_FOUND) {
        throw AppError(AppError::kFileNotFound,
                       QStringLiteral("Apache httpd configuration not found: %1").arg(path));
    }
    if (status != 0) {
        throw AppError(AppError::kPermissionDenied,
                       QStringLiteral("Permission denied: %1").arg(path));
    }
    const ApacheConfigParser::Result parsed = ApacheConfigParser::parse(text, path);
    for (const QString& what : parsed.problems) problem(ApacheConfiguration::kBadSyntax, what);
    walk(parsed.directives, config_.main_, 0);
    config_.main_.file = path;
}

void ApacheConfigReader::walk(const QList<ApacheDirective>& directives, ApacheHost& host,
                              int depth) {
    for (const ApacheDirective& directive : directives) apply(directive, host, depth);
}

void ApacheConfigReader::apply(const ApacheDirective& directive, ApacheHost& host, int depth) {
    if (const std::optional<bool> applies = condition(directive)) {
        if (*applies) walk(directive.children, host, depth);
        return;
    }
    const QStringList args = substituted(directive.args);
    if (directive.is("Include") || directive.is("IncludeOptional")) {
        for (const QString& pattern : args) {
            include(pattern, directive.is("IncludeOptional"), host, depth);
        }
    } else if (directive.is("Define") && !args.isEmpty()) {
        defines_.insert(args[0], args.value(1));
    } else if (directive.is("UnDefine") && !args.isEmpty()) {
        defines_.remove(args[0]);
    } else if (directive.is("LoadModule") && !args.isEmpty()) {
        config_.modules_.insert(ApacheConfiguration::moduleName(args[0]));
    } else if (directive.is("Directory") || directive.is("DirectoryMatch")) {
        addDirectorySection(directive, host);
    } else if (directive.is("VirtualHost")) {
        if (&host == &config_.main_) addVirtualHost(directive, depth);
    } else if (!applyServerDirective(directive, args, host)) {
        // Any other directive or section says nothing about where files are served from.
    }
}

bool ApacheConfigReader::applyServerDirective(const ApacheDirective& directive,
                                              const QStringList& args, ApacheHost& host) {
    if (args.isEmpty() || directive.section) return false;
    const bool main = &host == &config_.main_;
    if (directive.is("ServerName")) {
        host.serverName = args[0];
    } else if (directive.is("DocumentRoot")) {
        host.documentRoot = withoutTrailingSlash(absolute(args[0]));
    } else if ((directive.is("Alias") || directive.is("ScriptAlias")) && args.size() >= 2) {
        host.aliases.append({urlPathOf(args[0]), withoutTrailingSlash(absolute(args[1])),
                             directive.is("ScriptAlias")});
    } else if (directive.is("AddHandler") || directive.is("SetHandler")) {
        ApacheDirective handler = directive;
        handler.args = args;
        host.handlers.append(handler);
    } else if (main && directive.is("ServerRoot")) {
        config_.serverRoot_ = withoutTrailingSlash(args[0]);
    } else if (main && directive.is("User")) {
        config_.user_ = args[0];
    } else if (main && directive.is("Group")) {
        config_.group_ = args[0];
    } else {
        return false;
    }
    return true;
}

std::optional<bool> ApacheConfigReader::condition(const ApacheDirective& directive) const {
    if (!directive.section) return std::nullopt;
    for (const char* name : kTransparentSections) {
        if (directive.is(name)) return true;
    }
    if (!directive.is("IfModule") && !directive.is("IfDefine") && !directive.is("IfFile")) {
        return std::nullopt;
    }
    QString test = substituted(directive.arg());
    const bool negated = test.startsWith(QLatin1Char('!'));
    if (negated) test.remove(0, 1);
    bool holds;
    if (directive.is("IfModule")) {
        holds = config_.modules_.contains(ApacheConfiguration::moduleName(test));
    } else if (directive.is("IfDefine")) {
        holds = defines_.contains(test);
    } else {
        holds = QFileInfo::exists(absolute(test));
    }
    return holds != negated;
}

void ApacheConfigReader::include(const QString& pattern, bool optional, ApacheHost& host,
                                 int depth) {
    if (depth >= kMaxIncludeDepth) {
        problem(ApacheConfiguration::kBadSyntax,
                QStringLiteral("Includes nested too deeply at %1").arg(pattern));
        return;
    }
    const QString path = absolute(pattern);
    QStringList found{QStringLiteral("/")};
    bool denied = false;
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        QStringList next;
        for (const QString& base : found) {
            const QString prefix = base == QLatin1String("/") ? base : base + QLatin1Char('/');
            if (!isWildcard(part)) {
                next.append(prefix + part);
                continue;
            }
            if (files_.checkAccess(base, reg::kAccessReadValue) == reg::ERROR_ACCESS_DENIED) {
                problem(AppError::kPermissionDenied,
                        QStringLiteral("Permission denied: folder %1").arg(base));
                denied = true;
                continue;
            }
            const QStringList names =
                QDir(base).entryList({part}, QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
            for (const QString& name : names) next.append(prefix + name);
        }
        found = next;
    }
    const bool wildcard = isWildcard(path);
    if (found.isEmpty() && !optional && wildcard && !denied) {
        problem(AppError::kFileNotFound, QStringLiteral("No files match the include %1").arg(path));
    }
    for (const QString& file : found) {
        const QFileInfo info(file);
        if (!info.exists() && !wildcard) {
            if (!optional) {
                problem(AppError::kFileNotFound,
                        QStringLiteral("Include file not found: %1").arg(file));
            }
        } else if (info.isDir()) {
            include(file + QStringLiteral("/*"), true, host, depth + 1);
        } else {
            readFile(file, host, depth + 1);
        }
    }
}

void ApacheConfigReader::readFile(const QString& path, ApacheHost& host, int depth) {
    QByteArray text;
    const int status = files_.readFile(path, text);
    if (status != 0) {
        problem(status == reg::ERROR_FILE_NOT_FOUND ? AppError::kFileNotFound
                                                    : AppError::kPermissionDenied,
                QStringLiteral("Could not read %1").arg(path));
        return;
    }
    const ApacheConfigParser::Result parsed = ApacheConfigParser::parse(text, path);
    for (const QString& what : parsed.problems) problem(ApacheConfiguration::kBadSyntax, what);
    walk(parsed.directives, host, depth);
}

void ApacheConfigReader::addDirectorySection(const ApacheDirective& directive, ApacheHost& host) {
    QStringList args = substituted(directive.args);
    ApacheDirectorySection section;
    section.regex = directive.is("DirectoryMatch");
    if (!args.isEmpty() && args[0] == QLatin1String("~")) {
        section.regex = true;
        args.removeFirst();
    }
    if (args.isEmpty()) return;
    section.path = section.regex ? args[0] : withoutTrailingSlash(absolute(args[0]));
    section.body = resolved(directive.children);
    host.directories.append(section);
}

void ApacheConfigReader::addVirtualHost(const ApacheDirective& directive, int depth) {
    ApacheHost host;
    host.address = substituted(directive.args).join(QLatin1Char(' '));
    host.file = directive.file;
    walk(directive.children, host, depth);
    config_.hosts_.append(host);
}

QList<ApacheDirective> ApacheConfigReader::resolved(const QList<ApacheDirective>& body) const {
    QList<ApacheDirective> result;
    for (const ApacheDirective& directive : body) {
        if (const std::optional<bool> applies = condition(directive)) {
            if (*applies) result += resolved(directive.children);
            continue;
        }
        ApacheDirective copy = directive;
        copy.args = substituted(directive.args);
        copy.children = resolved(directive.children);
        result.append(copy);
    }
    return result;
}

QString ApacheConfigReader::substituted(const QString& text) const {
    static const QRegularExpression variable(QStringLiteral(R"(\$\{([^}]+)\})"));
    QString result;
    qsizetype from = 0;
    for (auto it = variable.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured(1);
        result += text.mid(from, match.capturedStart() - from);
        if (defines_.contains(name)) {
            result += defines_.value(name);
        } else if (envVars_.contains(name)) {
            result += envVars_.value(name);
        } else if (qEnvironmentVariableIsSet(name.toLocal8Bit().constData())) {
            result += qEnvironmentVariable(name.toLocal8Bit().constData());
        } else {
            result += match.captured();  // httpd leaves an unknown name as written
        }
        from = match.capturedEnd();
    }
    return result + text.mid(from);
}

QStringList ApacheConfigReader::substituted(const QStringList& args) const {
    QStringList result;
    for (const QString& arg : args) result.append(substituted(arg));
    return result;
}

QString ApacheConfigReader::absolute(const QString& path) const {
    if (path.startsWith(QLatin1Char('/'))) return QDir::cleanPath(path);
    return QDir::cleanPath(config_.serverRoot_ + QLatin1Char('/') + path);
}

void ApacheConfigReader::problem(int number, const QString& description) {
    config_.problems_.append({number, description});
}

}  // namespace sentrel::webdirs
