#pragma once
// The PC side of the serial link: which COM port and which speed. Kept in the project file;
// the new-project defaults leave it alone.
#include "generator/project/byteblock.h"

#include <array>

namespace vosket {

struct CommSettings : ByteBlock<2> {
    static constexpr int kPorts = 6; // "COM1" to "COM6"
    static constexpr std::array<int, 5> kBaudRates { 115200, 57600, 38400, 19200, 9600 };

    uint8_t& portIndex() { return at(0); }
    uint8_t portIndex() const { return at(0); }
    uint8_t& baudIndex() { return at(1); }
    uint8_t baudIndex() const { return at(1); }

    // The port (0 for COM1) and speed to use. A byte out of range (from a damaged file) stays
    // in the block but reads as the first entry, so it never indexes past a table.
    int port() const { return portIndex() < kPorts ? portIndex() : 0; }
    int baudChoice() const { return baudIndex() < kBaudRates.size() ? baudIndex() : 0; }
    int baudRate() const { return kBaudRates[static_cast<std::size_t>(baudChoice())]; }
};
static_assert(sizeof(CommSettings) == 2);

} // namespace vosket
