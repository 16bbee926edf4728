#include "tests/support/simterminal.h"

#include "tests/support/terminalframes.h"

#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace linktest {

PtyPair::PtyPair()
{
    char name[128] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
        throw std::runtime_error("openpty failed");
    termios t {};
    tcgetattr(slave, &t);
    cfmakeraw(&t);
    tcsetattr(slave, TCSANOW, &t);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    slavePath = QString::fromLocal8Bit(name);
}

PtyPair::~PtyPair()
{
    ::close(master);
    ::close(slave);
}

namespace {

    int baudOf(speed_t s)
    {
        switch (s) {
        case B9600:
            return 9600;
        case B19200:
            return 19200;
        case B38400:
            return 38400;
        case B57600:
            return 57600;
        case B115200:
            return 115200;
        default:
            return 0;
        }
    }

    int baudOfCode(uint8_t code)
    {
        static const int rates[] = { 9600, 19200, 38400, 57600, 115200 };
        return code >= '2' && code <= '6' ? rates[code - '2'] : 0;
    }

    uint8_t escaped(unsigned v)
    {
        return v == 13 ? 14 : static_cast<uint8_t>(v);
    }

    void sendAll(int fd, const QByteArray& bytes)
    {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
            if (n > 0)
                done += n;
            else
                std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
    }

} // namespace

SimTerminal::SimTerminal(PtyPair& pty, SimBehaviour behaviour)
    : pty(pty)
    , b(std::move(behaviour))
{
    cradleBaudNow = b.cradleBaud;
    passThrough = b.cradleBaud == 0;
    thread = std::thread([this] { run(); });
}

SimTerminal::~SimTerminal()
{
    stop();
}

void SimTerminal::stop()
{
    stopping = true;
    if (thread.joinable())
        thread.join();
}

void SimTerminal::hangUp()
{
    ::close(pty.master);
    pty.master = -1;
}

void SimTerminal::run()
{
    while (!stopping) {
        pollfd p { pty.master, POLLIN, 0 };
        if (::poll(&p, 1, 5) <= 0)
            continue;
        char buf[512];
        const ssize_t n = ::read(pty.master, buf, sizeof buf);
        if (n <= 0)
            continue;
        for (ssize_t i = 0; i < n; ++i) {
            if (passThrough)
                in.append(buf[i]);
            else
                cradleByte(static_cast<uint8_t>(buf[i]));
        }
        process();
    }
}

int SimTerminal::slaveBaud() const
{
    termios t {};
    tcgetattr(pty.master, &t);
    return baudOf(cfgetospeed(&t));
}

// In command mode the cradle hears only bytes sent at its own speed.
void SimTerminal::cradleByte(uint8_t byte)
{
    if (slaveBaud() != cradleBaudNow)
        return;
    cradleBytes.append(byte);
    if (byte == 15 && !settingSpeed) {
        sendAll(pty.master, QByteArray(1, 15));
    } else if (byte == 7) {
        settingSpeed = true;
    } else if (settingSpeed && byte == 'Q') {
        cradleBaudNow = pendingBaud;
        settingSpeed = false;
        passThrough = true;
    } else if (settingSpeed) {
        pendingBaud = baudOfCode(byte);
    }
}

void SimTerminal::answer(const QByteArray& reply)
{
    const int n = replies++;
    if (n < b.silentReplies)
        return;
    if (n == 0 && b.lateMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(b.lateMs));
    const QByteArray sent = n < b.silentReplies + b.wrongReplies ? QByteArray("ERR\r") : reply;
    sendAll(pty.master, sent);
}

void SimTerminal::dataUnitAnswer(bool good)
{
    if (!good)
        ++badUnits;
    const int unit = dataUnits++;
    if (unit == b.hangUpAtUnit) {
        hangUp();
        return;
    }
    if (b.fullHoldMs > 0 && unit + 1 == b.fullAtUnit) {
        // Held before the ACK goes out, so that the next unit's write times out; "FULL" comes
        // after that time-out and within the reply wait.
        b.fullAtUnit = -1;
        tcflow(pty.slave, TCOOFF);
        answer("ACK\r");
        std::this_thread::sleep_for(std::chrono::milliseconds(b.fullHoldMs));
        tcflow(pty.slave, TCOON);
        answer("FULL\r");
        return;
    }
    if (unit == b.fullAtUnit) {
        b.fullAtUnit = -1;
        answer("FULL\r");
        return;
    }
    answer(good ? "ACK\r" : "NAK\r");
}

void SimTerminal::sendRecord()
{
    if (b.silentAfterRecords >= 0 && acked >= b.silentAfterRecords)
        return;
    if (nextRecord >= b.records.size()) {
        sendAll(pty.master, "OVER\r");
        return;
    }
    const int i = static_cast<int>(nextRecord);
    uint8_t sequence = static_cast<uint8_t>(i % 10);
    if (b.skipOnce.count(i) && skipDone.insert(i).second)
        sequence = static_cast<uint8_t>((i + 1) % 10);
    const bool corrupt = b.corruptOnce.count(i) && corruptDone.insert(i).second;
    const QByteArray frame = terminalRecord(sequence, b.records[nextRecord], corrupt);
    sendAll(pty.master, frame);
}

void SimTerminal::process()
{
    while (pty.master >= 0) {
        if (in.startsWith("ZENTRA\r")) {
            in.remove(0, 7);
            ++handshakes;
            phase = Phase::Download;
            dataUnits = 0;
            lookupLines.clear();
            answer("ACK\r");
        } else if (in.startsWith("READ\r")) {
            in.remove(0, 5);
            fromGenerator << "READ\r";
            phase = Phase::Collect;
            if (b.silentReplies > replies++)
                continue;
            sendAll(pty.master, "ACK\r");
            sendRecord();
        } else if (phase == Phase::Collect && in.size() >= 4) {
            const QByteArray unit = in.left(4);
            in.remove(0, 4);
            fromGenerator << unit;
            if (unit == "ACK\r") {
                const int i = static_cast<int>(nextRecord);
                if (++acked == b.hangUpAfterRecords) {
                    hangUp();
                    return;
                }
                if (b.repeatOnce.count(i) && repeatDone.insert(i).second) {
                    sendRecord(); // the ACK "was lost": the same record again
                    continue;
                }
                ++nextRecord;
            }
            sendRecord();
        } else if (phase == Phase::Download && !b.lookupFile && in.size() >= 103) {
            const QByteArray block = in.left(103);
            in.remove(0, 103);
            unsigned sum = 0;
            for (int i = 0; i < 100; ++i)
                sum += static_cast<uint8_t>(block[i]);
            const size_t n = static_cast<uint8_t>(block[102]);
            const bool good = static_cast<uint8_t>(block[100]) == sum / 256
                && static_cast<uint8_t>(block[101]) == sum % 256 && n * 100 <= image.size();
            if (good) {
                image.resize(std::max(image.size(), (n + 1) * 100));
                std::memcpy(image.data() + n * 100, block.constData(), 100);
            }
            dataUnitAnswer(good);
        } else if (phase == Phase::Download && b.lookupFile && in.contains('\r')) {
            const qsizetype end = in.indexOf('\r');
            const QByteArray line = in.left(end);
            in.remove(0, end + 1);
            if (line == "OVER") {
                lookupEnded = true;
                dataUnitAnswer(true);
                continue;
            }
            bool good = line.size() >= 2;
            if (good) {
                const QByteArray data = line.left(line.size() - 2);
                unsigned sum = 0;
                for (char c : data)
                    sum += static_cast<uint8_t>(c);
                good = static_cast<uint8_t>(line[line.size() - 2]) == escaped(sum / 256)
                    && static_cast<uint8_t>(line[line.size() - 1]) == escaped(sum % 256);
                if (good)
                    lookupLines << data;
            }
            dataUnitAnswer(good);
        } else {
            return;
        }
    }
}

} // namespace linktest
