#include "generator/project/barcodesettings.h"

namespace vosket {

void ResetBarcodeSettings(BarcodeSettings& b)
{
    b.at(0) = 0x9B;
    b.at(1) = 0xC9;
    b.at(2) &= 0x01;
    b.at(BarcodeSettings::kOptions39) = 0x2D;
    b.at(BarcodeSettings::kOptions25) = 0x54;
    b.at(BarcodeSettings::kOptionsMatrixCodabar) = static_cast<uint8_t>(0x80 | (b.at(7) & 0x07));
    b.at(BarcodeSettings::kOptionsUpcMsiPlessey) = 0x19;
    b.at(BarcodeSettings::kOptionsEan) = 0x3D;
    b.at(BarcodeSettings::kOptionsMisc) &= 0x20;
    b.setLengthPair(BarcodeSettings::kIndustrial25Length, { true, 127, 1 });
    b.setLengthPair(BarcodeSettings::kInterleave25Length, { true, 126, 1 });
    b.setLengthPair(BarcodeSettings::kMatrix25Length, { true, 127, 1 });
    b.setLengthPair(BarcodeSettings::kMsiLength, { true, 127, 1 });
    b.at(20) = 0x66; // scan mode 6 ("Laser") and the low nibble 6
    b.scanTimeout() = 3;
    b.at(22) = 3;
}

} // namespace vosket
