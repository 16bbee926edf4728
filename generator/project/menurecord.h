#pragma once
// One of the ten menus; menu n has target code 10 + n.
#include "generator/project/byteblock.h"

namespace vosket {

struct MenuRecord : ByteBlock<350> {
    static constexpr int kItems = 10;
    static constexpr std::size_t kTextWidth = 21;
    static constexpr std::size_t kTitle = 2;
    static constexpr std::size_t kItemTexts = kTitle + kTextWidth;
    static constexpr std::size_t kEscapeTarget = kItemTexts + kItems * kTextWidth;
    static constexpr std::size_t kNextTargets = kEscapeTarget + 1;
    static constexpr std::size_t kSaveTitle = kNextTargets + kItems;
    static constexpr std::size_t kReserved = kSaveTitle + 6;
    static constexpr std::size_t kReservedSize = 100;

    // Line widths of the terminal's screen: large font 12 characters, small font 16.
    static constexpr std::size_t kLargeFontWidth = 12;
    static constexpr std::size_t kSmallFontWidth = 16;

    uint8_t& largeFont() { return at(0); }
    uint8_t largeFont() const { return at(0); }
    uint8_t& titleOn() { return at(1); }
    uint8_t titleOn() const { return at(1); }
    TextSlot title() { return slot(kTitle, kTextWidth); }
    ConstTextSlot title() const { return slot(kTitle, kTextWidth); }
    // Item 0 to 9.
    TextSlot item(int i) { return slot(kItemTexts + Entry(i, kItems) * kTextWidth, kTextWidth); }
    ConstTextSlot item(int i) const { return slot(kItemTexts + Entry(i, kItems) * kTextWidth, kTextWidth); }
    uint8_t& escapeTarget() { return at(kEscapeTarget); }
    uint8_t escapeTarget() const { return at(kEscapeTarget); }
    uint8_t& nextTarget(int i) { return at(kNextTargets + Entry(i, kItems)); }
    uint8_t nextTarget(int i) const { return at(kNextTargets + Entry(i, kItems)); }
    uint8_t& saveTitle() { return at(kSaveTitle); }
    uint8_t saveTitle() const { return at(kSaveTitle); }
    uint8_t& saveSelectedItem() { return at(kSaveTitle + 1); }
    uint8_t saveSelectedItem() const { return at(kSaveTitle + 1); }
    uint8_t& passOn() { return at(kSaveTitle + 2); }
    uint8_t passOn() const { return at(kSaveTitle + 2); }
    uint8_t& itemCount() { return at(kSaveTitle + 3); }
    uint8_t itemCount() const { return at(kSaveTitle + 3); }
    uint8_t& currentItem() { return at(kSaveTitle + 4); }
    uint8_t currentItem() const { return at(kSaveTitle + 4); }
    uint8_t& menuSimState() { return at(kSaveTitle + 5); }
    uint8_t menuSimState() const { return at(kSaveTitle + 5); }

    // The screen width of the menu's lines for its font.
    std::size_t lineWidth() const { return largeFont() != 0 ? kLargeFontWidth : kSmallFontWidth; }

    // Writes the new-project defaults; reserved bytes and the rest of each text slot keep theirs.
    void applyDefaults();
};
static_assert(sizeof(MenuRecord) == 350);
static_assert(
    MenuRecord::kItemTexts == 23 && MenuRecord::kEscapeTarget == 233 && MenuRecord::kNextTargets == 234);
static_assert(MenuRecord::kSaveTitle == 244 && MenuRecord::kReserved == 250);
static_assert(MenuRecord::kReserved + MenuRecord::kReservedSize == MenuRecord::kSize);

} // namespace vosket
