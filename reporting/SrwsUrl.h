#pragma once

#include <QString>

namespace sentrel {

// Pieces of the reports web service's URL.

// The virtual path of the URL: from the first "/" after the host onward
// ("http://www.example.com/srws/" gives "/srws/"); empty when the URL holds neither
// "http://" nor "https://", or no "/" after the host.
QString srwsVirtualPath(const QString& url);
// A URL that is not empty ends in "/".
void ensureTrailingSlash(QString& url);

}  // namespace sentrel
