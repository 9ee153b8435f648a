#include "reporting/SrwsUrl.h"

namespace sentrel {

QString srwsVirtualPath(const QString& url) {
    // The host begins after the scheme: the search for the path starts at the eighth
    // character after "http://", at the ninth after "https://".
    int searchFrom = -1;
    if (url.contains(QStringLiteral("http://"), Qt::CaseInsensitive)) {
        searchFrom = 7;
    } else if (url.contains(QStringLiteral("https://"), Qt::CaseInsensitive)) {
        searchFrom = 8;
    }
    if (searchFrom < 0) return QString();
    const int slash = url.indexOf(QLatin1Char('/'), searchFrom);
    return slash < 0 ? QString() : url.mid(slash);
}

void ensureTrailingSlash(QString& url) {
    if (!url.isEmpty() && !url.endsWith(QLatin1Char('/'))) url += QLatin1Char('/');
}

}  // namespace sentrel
