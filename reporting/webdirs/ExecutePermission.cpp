#include "reporting/webdirs/ExecutePermission.h"

#include <QRegularExpression>
#include <algorithm>
#include <optional>

#include "reporting/webdirs/ApacheConfiguration.h"
#include "reporting/webdirs/ServiceFileName.h"

namespace sentrel::webdirs {

namespace {

const QString kCgiHandler = QStringLiteral("cgi-script");

bool sameWord(const QString& a, const char* b) {
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

bool wildcardMatches(const QString& pattern, const QString& text) {
    return QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern))
        .match(text)
        .hasMatch();
}

QStringList partsOf(const QString& path) {
    return path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

// A plain `<Directory>` applies to its folder and every folder below it.
bool sectionCovers(const QString& sectionPath, const QString& folder) {
    const QStringList section = partsOf(sectionPath);
    const QStringList target = partsOf(folder);
    if (section.size() > target.size()) return false;
    for (int i = 0; i < section.size(); ++i) {
        if (!wildcardMatches(section[i], target[i])) return false;
    }
    return true;
}

// The effect of the sections on the service's file, in the order httpd merges them.
class Merge {
  public:
    void options(const QStringList& args) {
        const bool relative = std::any_of(args.begin(), args.end(), [](const QString& a) {
            return a.startsWith(QLatin1Char('+')) || a.startsWith(QLatin1Char('-'));
        });
        if (!relative) execCgi_ = false;
        for (const QString& arg : args) {
            const QChar sign = arg.isEmpty() ? QChar() : arg.front();
            const QString name =
                (sign == QLatin1Char('+') || sign == QLatin1Char('-')) ? arg.mid(1) : arg;
            if (!sameWord(name, "ExecCGI") && !sameWord(name, "All")) continue;
            execCgi_ = sign != QLatin1Char('-');
        }
    }

    void body(const QList<ApacheDirective>& directives, bool withOptions) {
        for (const ApacheDirective& d : directives) {
            if (d.section) {
                if (filesSectionMatches(d)) body(d.children, false);
            } else if (withOptions && d.is("Options")) {
                options(d.args);
            } else {
                handler(d);
            }
        }
    }

    void handler(const ApacheDirective& d) {
        if (d.is("SetHandler")) {
            cgi_ = d.arg().compare(kCgiHandler, Qt::CaseInsensitive) == 0;
        } else if ((d.is("AddHandler") && d.args.size() > 1 && namesDll(d.args.mid(1))) ||
                   (d.is("RemoveHandler") && namesDll(d.args))) {
            cgi_ = d.is("AddHandler") && d.arg().compare(kCgiHandler, Qt::CaseInsensitive) == 0;
        }
    }

    bool allowsCgi() const { return execCgi_ && cgi_; }

  private:
    static bool namesDll(const QStringList& extensions) {
        return std::any_of(extensions.begin(), extensions.end(), [](const QString& e) {
            return sameWord(e, ".dll") || sameWord(e, "dll");
        });
    }

    static bool filesSectionMatches(const ApacheDirective& d) {
        const bool match = d.is("FilesMatch");
        if (!match && !d.is("Files")) return false;
        QStringList args = d.args;
        const bool regex = match || (!args.isEmpty() && args[0] == QLatin1String("~"));
        if (!match && regex) args.removeFirst();
        if (args.isEmpty()) return false;
        if (!regex) return wildcardMatches(args[0], kServiceFileName);
        return QRegularExpression(args[0]).match(kServiceFileName).hasMatch();
    }

    bool execCgi_ = false;
    bool cgi_ = false;
};

bool isScriptAliasTarget(const ApacheHost& host, const QString& folder) {
    return std::any_of(host.aliases.begin(), host.aliases.end(), [&](const ApacheAlias& alias) {
        return alias.script &&
               (folder == alias.path || folder.startsWith(alias.path + QLatin1Char('/')));
    });
}

}  // namespace

bool ExecutePermission::of(const ApacheConfiguration& config, const ApacheHost& host,
                           const QString& folder) {
    if (!config.hasModule(QStringLiteral("cgi")) && !config.hasModule(QStringLiteral("cgid"))) {
        return false;
    }
    const ApacheHost& main = config.mainServer();
    if (isScriptAliasTarget(host, folder) || isScriptAliasTarget(main, folder)) return true;

    QList<ApacheDirectorySection> sections = main.directories;
    if (&host != &main) sections += host.directories;
    QList<ApacheDirectorySection> plain;
    QList<ApacheDirectorySection> regex;
    for (const ApacheDirectorySection& s : sections) {
        if (s.regex && QRegularExpression(s.path).match(folder).hasMatch()) regex.append(s);
        if (!s.regex && sectionCovers(s.path, folder)) plain.append(s);
    }
    std::stable_sort(plain.begin(), plain.end(), [](const auto& a, const auto& b) {
        return partsOf(a.path).size() < partsOf(b.path).size();
    });

    Merge merge;
    merge.options({QStringLiteral("FollowSymlinks")});
    for (const ApacheDirective& d : main.handlers) merge.handler(d);
    if (&host != &main) {
        for (const ApacheDirective& d : host.handlers) merge.handler(d);
    }
    for (const ApacheDirectorySection& s : plain + regex) merge.body(s.body, true);
    return merge.allowsCgi();
}

}  // namespace sentrel::webdirs
