#pragma once

#include <QByteArray>
#include <functional>

namespace sentrel::test {

// Ports of 127.0.0.1 for the servers the tests start (httpd, Python's http.server).

// A port that was free a moment ago.
int freeLocalPort();
// Waits until something accepts connections on `port`; false when `msecs` passed first or
// `stillStarting` (when given) says the server gave up.
bool waitForLocalPort(int port, int msecs, const std::function<bool()>& stillStarting = {});
// Sends `request` and answers everything read until the server closes the connection; empty
// when nothing listens there.
QByteArray exchangeWithLocalPort(int port, const QByteArray& request);

}  // namespace sentrel::test
