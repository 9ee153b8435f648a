#include "support/LocalPort.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QThread>

namespace sentrel::test {

namespace {

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(quint16(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

int connectTo(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = loopback(port);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return fd;
    close(fd);
    return -1;
}

}  // namespace

int freeLocalPort() {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

bool waitForLocalPort(int port, int msecs, const std::function<bool()>& stillStarting) {
    const QDeadlineTimer deadline(msecs);
    while (!deadline.hasExpired() && (!stillStarting || stillStarting())) {
        const int fd = connectTo(port);
        if (fd >= 0) {
            close(fd);
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

QByteArray exchangeWithLocalPort(int port, const QByteArray& request) {
    const int fd = connectTo(port);
    if (fd < 0) return {};
    (void)!::write(fd, request.constData(), size_t(request.size()));
    QByteArray reply;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) reply.append(buffer, n);
    close(fd);
    return reply;
}

}  // namespace sentrel::test
