#include "generator/link/seriallink.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace vosket {
namespace {

    speed_t speedCode(int baud)
    {
        switch (baud) {
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        default:
            return B0;
        }
    }

    // Modem lines: pseudo-terminals and some adapters have none, which is not an error here.
    void setModemLine(int fd, int line, bool on)
    {
        if (ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &line) != 0 && errno != ENOTTY && errno != EINVAL)
            std::fprintf(stderr, "vosket: modem line not set: %s\n", std::strerror(errno));
    }

    class TermiosSerialLink final : public SerialLink {
    public:
        explicit TermiosSerialLink(int fd)
            : fd(fd)
        {
        }
        ~TermiosSerialLink() override
        {
            ioctl(fd, TIOCNXCL);
            ::close(fd);
        }
        TermiosSerialLink(const TermiosSerialLink&) = delete;
        TermiosSerialLink& operator=(const TermiosSerialLink&) = delete;

        bool apply(const LineConfig& config) override
        {
            const speed_t speed = speedCode(config.baud);
            termios t {};
            if (speed == B0 || tcgetattr(fd, &t) != 0)
                return false;
            cfmakeraw(&t);
            t.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS | CSIZE);
            t.c_cflag |= CS8 | CLOCAL | CREAD;
            t.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
            t.c_cc[VMIN] = 0;
            t.c_cc[VTIME] = 0;
            if (cfsetispeed(&t, speed) != 0 || cfsetospeed(&t, speed) != 0 || tcsetattr(fd, TCSANOW, &t) != 0)
                return false;
            setModemLine(fd, TIOCM_DTR, config.dtr);
            setModemLine(fd, TIOCM_RTS, config.rts);
            return true;
        }

        WriteResult write(std::span<const uint8_t> bytes) override
        {
            using clock = std::chrono::steady_clock;
            const auto deadline = clock::now() + std::chrono::milliseconds(writeTimeoutMs(bytes.size()));
            size_t done = 0;
            while (done < bytes.size()) {
                const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
                if (n > 0) {
                    done += static_cast<size_t>(n);
                    continue;
                }
                if (n < 0 && errno != EAGAIN && errno != EINTR)
                    return portGone();
                const auto left
                    = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - clock::now());
                if (left.count() <= 0)
                    return WriteResult::TimedOut;
                pollfd p { fd, POLLOUT, 0 };
                if (::poll(&p, 1, static_cast<int>(left.count())) > 0 && hungUp(p))
                    return portGone();
            }
            return WriteResult::Written;
        }

        // The protocols read a byte at a time; one system call fills a small buffer instead.
        size_t read(uint8_t* into, size_t max) override
        {
            if (head == filled) {
                const ssize_t n = ::read(fd, buffer, sizeof buffer);
                head = 0;
                filled = n > 0 ? static_cast<size_t>(n) : 0;
            }
            const size_t n = std::min(max, filled - head);
            std::memcpy(into, buffer + head, n);
            head += n;
            return n;
        }

        void waitReadable(int ms) override
        {
            if (head != filled)
                return;
            pollfd p { fd, POLLIN, 0 };
            if (::poll(&p, 1, ms) > 0 && hungUp(p))
                lost = true;
        }

        bool gone() const override { return lost; }

        void discardInput() override
        {
            head = filled = 0;
            tcflush(fd, TCIFLUSH);
        }

    private:
        // A device that went away (a USB adapter pulled, the far end of a pseudo-terminal closed)
        // is hung up for good.
        static bool hungUp(const pollfd& p) { return (p.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0; }
        WriteResult portGone()
        {
            lost = true;
            return WriteResult::PortGone;
        }

        int fd;
        bool lost = false;
        uint8_t buffer[256];
        size_t head = 0;
        size_t filled = 0;
    };

} // namespace

std::unique_ptr<SerialLink> openTermiosLink(const QString& device, QString* error)
{
    const QByteArray path = device.toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return nullptr;
    }
    // TIOCEXCL keeps other programs out; the lock also keeps out a second copy running as root,
    // whom TIOCEXCL does not stop.
    int why = 0;
    if (!isatty(fd))
        why = ENOTTY;
    else if (flock(fd, LOCK_EX | LOCK_NB) != 0 || ioctl(fd, TIOCEXCL) != 0)
        why = errno == EWOULDBLOCK ? EBUSY : errno;
    if (why != 0) {
        ::close(fd);
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(why));
        return nullptr;
    }
    return std::make_unique<TermiosSerialLink>(fd);
}

} // namespace vosket
