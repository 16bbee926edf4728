#include "tests/support/tcprelay.h"

#include <algorithm>
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace testsupport {

namespace {

    int listenOn(int port)
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const int on = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(uint16_t(port));
        if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 16) != 0) {
            ::close(fd);
            return -1;
        }
        return fd;
    }

    int connectTo(const QString& host, int port)
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_port = htons(uint16_t(port));
        ::inet_pton(AF_INET, host.toLatin1().constData(), &address.sin_addr);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            ::close(fd);
            return -1;
        }
        return fd;
    }

    // Passes what waits on from to to, with rewrite.first replaced by rewrite.second; false when
    // from has ended.
    bool pass(int from, int to, const std::pair<QByteArray, QByteArray>& rewrite = {})
    {
        char buffer[65536];
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n <= 0)
            return false;
        if (!rewrite.first.isEmpty()) {
            QByteArray read = QByteArray::fromRawData(buffer, n);
            for (qsizetype at = read.indexOf(rewrite.first); at >= 0;
                 at = read.indexOf(rewrite.first, at + 1))
                std::copy(rewrite.second.begin(), rewrite.second.end(), buffer + at);
        }
        for (ssize_t sent = 0; sent < n;) {
            const ssize_t w = ::write(to, buffer + sent, size_t(n - sent));
            if (w <= 0)
                return false;
            sent += w;
        }
        return true;
    }

} // namespace

TcpRelay::TcpRelay(const QString& host, int port)
    : target(host == "localhost" ? QString("127.0.0.1") : host)
    , targetPort(port)
{
    listener = listenOn(0);
    if (listener < 0 || ::pipe2(wake, O_CLOEXEC) != 0)
        return;
    sockaddr_in address {};
    socklen_t length = sizeof address;
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    listenPort = ntohs(address.sin_port);
    worker = std::thread([this] { run(); });
}

TcpRelay::~TcpRelay()
{
    setState(State::Ending);
    if (worker.joinable())
        worker.join();
    closeAll();
    for (const int fd : { listener, wake[0], wake[1] })
        if (fd >= 0)
            ::close(fd);
}

void TcpRelay::freeze()
{
    setState(State::Frozen);
}

void TcpRelay::thaw()
{
    setState(State::Passing);
}

void TcpRelay::rewrite(const QByteArray& from, const QByteArray& to)
{
    std::lock_guard lock(mutex);
    rewritten = { from, to.leftJustified(from.size(), ' ', true) };
}

void TcpRelay::setState(State next)
{
    {
        std::lock_guard lock(mutex);
        state = next;
    }
    const char signal = 1;
    if (wake[1] >= 0)
        (void)!::write(wake[1], &signal, 1);
}

void TcpRelay::closeAll()
{
    for (const auto& [client, server] : links) {
        ::close(client);
        ::close(server);
    }
    links.clear();
}

void TcpRelay::run()
{
    for (;;) {
        State now;
        std::pair<QByteArray, QByteArray> replaced;
        {
            std::lock_guard lock(mutex);
            now = state;
            replaced = rewritten;
        }
        if (now == State::Ending)
            return;
        std::vector<pollfd> watched { { wake[0], POLLIN, 0 } };
        if (now == State::Passing) {
            watched.push_back({ listener, POLLIN, 0 });
            for (const auto& [client, server] : links) {
                watched.push_back({ client, POLLIN, 0 });
                watched.push_back({ server, POLLIN, 0 });
            }
        }
        if (::poll(watched.data(), watched.size(), -1) <= 0)
            continue;
        if (watched[0].revents) {
            char drained[64];
            (void)!::read(wake[0], drained, sizeof drained);
            continue;
        }
        size_t i = 1;
        if (watched.size() > 1 && watched[1].fd == listener) {
            if (watched[1].revents & POLLIN) {
                const int client = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
                const int server = client >= 0 ? connectTo(target, targetPort) : -1;
                if (server >= 0)
                    links.emplace_back(client, server);
                else if (client >= 0)
                    ::close(client);
            }
            ++i;
        }
        std::vector<std::pair<int, int>> alive;
        for (const auto& [client, server] : links) {
            bool open = true;
            if (i < watched.size() && watched[i].fd == client) {
                if (watched[i].revents)
                    open = pass(client, server, replaced);
                if (open && watched[i + 1].revents)
                    open = pass(server, client);
                i += 2;
            }
            if (open) {
                alive.emplace_back(client, server);
            } else {
                ::close(client);
                ::close(server);
            }
        }
        links = std::move(alive);
    }
}

} // namespace testsupport
