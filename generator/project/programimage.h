#pragma once
// The 20,000-byte program image that the download sends to the terminal: the blocks in a fixed
// order, the screen texts packed into padded lines and the system settings in the terminal's
// numbering.
#include "generator/project/project.h"

#include <array>
#include <cstdint>

namespace vosket {

inline constexpr std::size_t kProgramImageSize = 20000;
using ProgramImage = std::array<uint8_t, kProgramImageSize>;

// Offsets of the blocks in the image.
inline constexpr std::size_t kImageBarcodeOffset = 0;
inline constexpr std::size_t kImageMenusOffset = 23;
inline constexpr std::size_t kImageFormsOffset = 3523;
inline constexpr std::size_t kImageLookupsOffset = 15673;
inline constexpr std::size_t kImageMessagesOffset = 16039;
inline constexpr std::size_t kImageReservedOffset = 18507;
inline constexpr std::size_t kImageSystemOffset = 18562;
inline constexpr std::size_t kImageEnd = 18830; // zero bytes up to the end

// Pads menu titles and items to the menu's line width and counts the items; clears unused form
// line fields and works out each form's last data line. The changes stay in the project but do
// not mark it modified.
void PadMenuStrings(Project& p);

// The image of p. The download runs NormalizeForms and PadMenuStrings first.
ProgramImage BuildProgramImage(const Project& p);

} // namespace vosket
