#pragma once
// A network path to a server that the tests can break: a TCP relay on 127.0.0.1 that passes
// bytes both ways until it is frozen (nothing passes, connections stay open and new ones are not
// answered, as when a switch hangs).
#include <QByteArray>
#include <QString>

#include <mutex>
#include <thread>
#include <vector>

namespace testsupport {

class TcpRelay {
public:
    TcpRelay(const QString& host, int port);
    ~TcpRelay();
    TcpRelay(const TcpRelay&) = delete;
    TcpRelay& operator=(const TcpRelay&) = delete;

    // Where clients connect; 0 when the relay could not listen.
    int port() const { return listenPort; }

    void freeze();
    void thaw();
    // From now on, from in what a client sends reaches the server as to, of the same length: a
    // server that refuses what the program says. A client's short messages arrive in one read on
    // 127.0.0.1, and only what one read holds is looked at.
    void rewrite(const QByteArray& from, const QByteArray& to);

private:
    enum class State { Passing, Frozen, Ending };
    void run();
    void setState(State next);
    void closeAll();

    QString target;
    int targetPort;
    int listener = -1;
    int listenPort = 0;
    int wake[2] = { -1, -1 };
    std::mutex mutex;
    State state = State::Passing;
    std::vector<std::pair<int, int>> links; // client, server
    std::pair<QByteArray, QByteArray> rewritten; // from, to
    std::thread worker;
};

} // namespace testsupport
