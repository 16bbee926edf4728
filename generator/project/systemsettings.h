#pragma once
// The terminal's own settings. The program image sends several of them shifted into the
// terminal's numbering.
#include "generator/project/byteblock.h"

namespace vosket {

struct SystemSettings : ByteBlock<268> {
    static constexpr int kFieldSeparators = 2;
    static constexpr int kSecurityFlags = 12;
    static constexpr int kFnKeys = 8;
    static constexpr std::size_t kPhoneNumber = 6;
    static constexpr std::size_t kPhoneNumberWidth = 21;
    static constexpr std::size_t kDownloadPort = kPhoneNumber + kPhoneNumberWidth;
    static constexpr std::size_t kSecurity = kDownloadPort + 7;
    static constexpr std::size_t kPassword = kSecurity + kSecurityFlags;
    static constexpr std::size_t kPasswordWidth = 12;
    static constexpr std::size_t kPasswordMaxLength = 10;
    static constexpr std::size_t kFnKeyMap = kPassword + kPasswordWidth;
    static constexpr std::size_t kAllPromptsLarge = kFnKeyMap + kFnKeys + 2;
    static constexpr std::size_t kReserved = kAllPromptsLarge + 1;
    static constexpr std::size_t kReservedSize = 199;

    uint8_t& settingsMarker() { return at(0); }
    uint8_t settingsMarker() const { return at(0); }
    // 0 start at form 1, any other value at menu 1.
    uint8_t& startTarget() { return at(1); }
    uint8_t startTarget() const { return at(1); }
    uint8_t& fieldSeparator(int i) { return at(2 + Entry(i, kFieldSeparators)); }
    uint8_t fieldSeparator(int i) const { return at(2 + Entry(i, kFieldSeparators)); }
    uint8_t& formFilesOn() { return at(4); }
    uint8_t formFilesOn() const { return at(4); }
    uint8_t& uploadPort() { return at(5); }
    uint8_t uploadPort() const { return at(5); }
    TextSlot phoneNumber() { return slot(kPhoneNumber, kPhoneNumberWidth); }
    ConstTextSlot phoneNumber() const { return slot(kPhoneNumber, kPhoneNumberWidth); }
    uint8_t& downloadPort() { return at(kDownloadPort); }
    uint8_t downloadPort() const { return at(kDownloadPort); }
    uint8_t& linkBaud() { return at(kDownloadPort + 1); }
    uint8_t linkBaud() const { return at(kDownloadPort + 1); }
    uint8_t& backlight() { return at(kDownloadPort + 2); }
    uint8_t backlight() const { return at(kDownloadPort + 2); }
    uint8_t& backlightOffTime() { return at(kDownloadPort + 3); }
    uint8_t backlightOffTime() const { return at(kDownloadPort + 3); }
    uint8_t& eraseAfterUpload() { return at(kDownloadPort + 4); }
    uint8_t eraseAfterUpload() const { return at(kDownloadPort + 4); }
    uint8_t& recordPrompt() { return at(kDownloadPort + 5); }
    uint8_t recordPrompt() const { return at(kDownloadPort + 5); }
    uint8_t& promptDuration() { return at(kDownloadPort + 6); }
    uint8_t promptDuration() const { return at(kDownloadPort + 6); }
    // Flag 0 to 11, in the order "设置", "编辑数据", ... "记录提示".
    uint8_t& securityFlag(int i) { return at(kSecurity + Entry(i, kSecurityFlags)); }
    uint8_t securityFlag(int i) const { return at(kSecurity + Entry(i, kSecurityFlags)); }
    TextSlot password() { return slot(kPassword, kPasswordWidth); }
    ConstTextSlot password() const { return slot(kPassword, kPasswordWidth); }
    // Function of FN+0 to FN+7.
    uint8_t& fnKey(int i) { return at(kFnKeyMap + Entry(i, kFnKeys)); }
    uint8_t fnKey(int i) const { return at(kFnKeyMap + Entry(i, kFnKeys)); }
    uint8_t& allPromptsLarge() { return at(kAllPromptsLarge); }
    uint8_t allPromptsLarge() const { return at(kAllPromptsLarge); }

    // Writes the new-project defaults; the reserved bytes from 69 on keep theirs.
    void applyDefaults();
};
static_assert(sizeof(SystemSettings) == 268);
static_assert(SystemSettings::kDownloadPort == 27 && SystemSettings::kDownloadPort + 6 == 33);
static_assert(
    SystemSettings::kSecurity == 34 && SystemSettings::kPassword == 46 && SystemSettings::kFnKeyMap == 58);
static_assert(SystemSettings::kAllPromptsLarge == 68 && SystemSettings::kReserved == 69);
static_assert(SystemSettings::kReserved + SystemSettings::kReservedSize == SystemSettings::kSize);

} // namespace vosket
