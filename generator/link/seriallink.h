#pragma once
// The serial port as the protocols see it: raw 8N1 bytes, reads that return at once, and the
// modem control lines. The real one is POSIX termios; tests use a fake or a pseudo-terminal.
#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace vosket {

// The program-wide line configuration record: what is applied to the port, never read back.
struct LineConfig {
    int baud = 115200;
    bool dtr = false;
    bool rts = false;
};

// What became of a write.
enum class WriteResult {
    Written,
    TimedOut, // not all bytes went out within the time-out; the port is still there
    PortGone, // the device went away or failed: nothing more can go through it
};

class SerialLink {
public:
    virtual ~SerialLink() = default;
    // Applies speed, 8 data bits, no parity, 1 stop bit, no flow control and the DTR/RTS lines.
    // False when the port refuses the configuration.
    [[nodiscard]] virtual bool apply(const LineConfig& config) = 0;
    // Writes all bytes, giving up after 5 ms per byte plus 50 ms.
    [[nodiscard]] virtual WriteResult write(std::span<const uint8_t> bytes) = 0;
    // Returns at once with what has arrived, at most max bytes.
    [[nodiscard]] virtual size_t read(uint8_t* into, size_t max) = 0;
    // Waits at most ms milliseconds for input to arrive (or less); a poll loop's pause.
    virtual void waitReadable(int ms) = 0;
    // True once a write or a wait found the device gone: nothing more will pass through it.
    [[nodiscard]] virtual bool gone() const = 0;
    // Drops whatever was received and not yet read.
    virtual void discardInput() = 0;
};

// Opens a device path for exclusive use; nullptr (and why in error) when that fails.
using SerialOpener = std::function<std::unique_ptr<SerialLink>(const QString& device, QString* error)>;

[[nodiscard]] std::unique_ptr<SerialLink> openTermiosLink(const QString& device, QString* error);

inline std::span<const uint8_t> asBytes(QByteArrayView text)
{
    return { reinterpret_cast<const uint8_t*>(text.data()), static_cast<size_t>(text.size()) };
}

// The write time-out of both protocols.
constexpr int writeTimeoutMs(size_t bytes)
{
    return static_cast<int>(bytes) * 5 + 50;
}

} // namespace vosket
