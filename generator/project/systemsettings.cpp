#include "generator/project/systemsettings.h"

#include <algorithm>

namespace vosket {

void SystemSettings::applyDefaults()
{
    settingsMarker() = 1;
    startTarget() = 0;
    fieldSeparator(0) = ',';
    // Offsets 3 to 6: second separator, form files, upload port and the phone number's first byte.
    std::fill(bytes.begin() + 3, bytes.begin() + 7, uint8_t { 0 });
    downloadPort() = 0;
    linkBaud() = 0;
    backlight() = 0;
    backlightOffTime() = 2;
    eraseAfterUpload() = 0;
    recordPrompt() = 1;
    promptDuration() = 6;
    // Security flags, the whole password, the FN keys and two reserved bytes.
    std::fill(bytes.begin() + kSecurity, bytes.begin() + kAllPromptsLarge, uint8_t { 0 });
    allPromptsLarge() = 1;
}

} // namespace vosket
