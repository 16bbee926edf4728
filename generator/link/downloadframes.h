#pragma once
// The units the generator sends in a download, and the reading of the terminal's replies.
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vosket {

using Bytes = std::vector<uint8_t>;

constexpr int programImageSize = 20000;
constexpr int programBlockBytes = 100;
constexpr int programBlockCount = programImageSize / programBlockBytes;
constexpr size_t maxLookupLineBytes = 257;

inline const QByteArray handshakeUnit = QByteArrayLiteral("ZENTRA\r");
inline const QByteArray lookupEndUnit = QByteArrayLiteral("OVER\r");

// Block n of the image: its 100 bytes, HIGH and LOW of their sum, and n. Never escaped.
Bytes programBlock(std::span<const uint8_t> image, int n);

// Builds lookup lines from a file's bytes: CR ends a line, LF is dropped, anything else is data.
class LookupLineBuilder {
public:
    enum class Step { Added, LineEnded, TooLong };
    Step add(uint8_t byte);
    // Data bytes wait for a CR (the last line of a file that does not end with one).
    bool pending() const { return !data.empty(); }
    // The line's frame: its data, HIGH and LOW of their sum (13 sent as 14), CR. Starts a new line.
    Bytes takeFrame();

private:
    Bytes data;
    unsigned sum = 0;
};

// Collects one reply the way the terminal's answers are read: up to three bytes per read, until
// a read ends with CR or ten bytes are in (so at most twelve).
class ReplyCollector {
public:
    static constexpr size_t bytesPerRead = 3;
    bool complete() const { return endedWithCr || bytes.size() >= 10; }
    // One read's bytes (at most bytesPerRead).
    void add(std::span<const uint8_t> read);
    // What was received, without a final CR.
    QByteArray reply() const;

private:
    QByteArray bytes;
    bool endedWithCr = false;
};

enum class ReplyKind { Ack, Full, Other };
ReplyKind classifyReply(const QByteArray& reply);

} // namespace vosket
