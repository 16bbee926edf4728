#pragma once
// The one-byte code of the screen that a form, a menu or the start leads to: 0 the terminal's
// main menu, 1 to 10 form 1 to 10, 11 to 20 menu 1 to 10. Bytes from a damaged file may hold
// any value; such a code names no screen.
#include <cstdint>
#include <optional>

namespace vosket {

struct TargetCode {
    uint8_t value = 0;

    static constexpr int kForms = 10;
    static constexpr int kMenus = 10;

    static constexpr TargetCode mainMenu() { return { 0 }; }
    static constexpr TargetCode form(int n) { return { static_cast<uint8_t>(n) }; } // n 1 to 10
    static constexpr TargetCode menu(int n) { return { static_cast<uint8_t>(10 + n) }; } // n 1 to 10

    // The form or menu number (1 to 10) the code names, if it names one.
    constexpr std::optional<int> formNumber() const
    {
        return value >= 1 && value <= kForms ? std::optional<int>(value) : std::nullopt;
    }
    constexpr std::optional<int> menuNumber() const
    {
        return value > kForms && value <= kForms + kMenus ? std::optional<int>(value - kForms) : std::nullopt;
    }
    constexpr bool operator==(const TargetCode&) const = default;
};
static_assert(sizeof(TargetCode) == 1);

} // namespace vosket
