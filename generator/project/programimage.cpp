#include "generator/project/programimage.h"

#include <algorithm>

namespace vosket {

static_assert(kImageMenusOffset == kImageBarcodeOffset + BarcodeSettings::kSize);
static_assert(kImageFormsOffset == kImageMenusOffset + Project::kMenus * MenuRecord::kSize);
static_assert(kImageLookupsOffset == kImageFormsOffset + Project::kForms * FormRecord::kSize);
static_assert(kImageMessagesOffset == kImageLookupsOffset + Project::kLookups * LookupRecord::kSize);
static_assert(kImageReservedOffset == kImageMessagesOffset + MessageArea::kSize);
static_assert(kImageSystemOffset == kImageReservedOffset + ReservedBlock::kSize);
static_assert(kImageEnd == kImageSystemOffset + SystemSettings::kSize);
static_assert(kProgramImageSize - kImageEnd == 1170);

namespace {

    // Whether the item holds a byte above the blank among its first width bytes, before its NUL.
    bool ItemCounts(ConstTextSlot item, std::size_t width)
    {
        for (std::size_t k = 0; k < width && item[k] != 0; ++k) {
            if (item[k] > ' ')
                return true;
        }
        return false;
    }

    // The terminal numbers these choices from 1, the project from 0; bytes wrap like the
    // terminal's own.
    void ShiftSettingsForTerminal(TextSlot s)
    {
        const auto add = [&](std::size_t offset, int n) { s[offset] = static_cast<uint8_t>(s[offset] + n); };
        s[1] = s[1] == 0 ? TargetCode::form(1).value : TargetCode::menu(1).value;
        add(5, 1); // upload port
        add(SystemSettings::kDownloadPort, 1);
        add(SystemSettings::kDownloadPort + 1, 1); // link speed
        add(SystemSettings::kDownloadPort + 2, 1); // backlight
        add(SystemSettings::kDownloadPort + 3, '0'); // backlight off time as a digit
        add(SystemSettings::kDownloadPort + 4, 1); // erase after upload
        add(SystemSettings::kDownloadPort + 5, 1); // record prompt
        for (std::size_t k = 0; k < SystemSettings::kPasswordMaxLength; ++k) {
            uint8_t& c = s[SystemSettings::kPassword + k];
            if (c >= 'a' && c <= 'z')
                c = static_cast<uint8_t>(c - 'a' + 'A');
        }
    }

} // namespace

void PadMenuStrings(Project& p)
{
    for (int i = 0; i < Project::kMenus; ++i) {
        MenuRecord& menu = p.menus[static_cast<std::size_t>(i)];
        const std::size_t width = menu.lineWidth();
        if (menu.titleOn() != 0)
            PadSlot(menu.title(), width);
        uint8_t count = 0;
        for (int k = 0; k < MenuRecord::kItems; ++k) {
            if (ItemCounts(menu.item(k), width))
                ++count;
            PadSlot(menu.item(k), width);
        }
        menu.itemCount() = count;

        FormRecord& form = p.forms[static_cast<std::size_t>(i)];
        form.clearUnusedLineFields();
        form.lastDataLine() = form.computeLastDataLine();
    }
}

ProgramImage BuildProgramImage(const Project& p)
{
    ProgramImage image {};
    std::size_t pos = 0;
    const auto put = [&](ConstTextSlot bytes) {
        std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(pos));
        pos += bytes.size();
    };
    put(p.barcode.bytes);
    for (const MenuRecord& m : p.menus)
        put(m.bytes);
    for (const FormRecord& f : p.forms)
        put(f.bytes);
    for (const LookupRecord& l : p.lookups)
        put(l.bytes);

    // Each text slot packed to width - 1 bytes and a NUL, so a slot without its NUL cannot
    // spill into the next one.
    for (int b = 0; b < kMessageBlockCount; ++b) {
        const MessageBlock& m = kMessageBlocks[static_cast<std::size_t>(b)];
        for (int s = 0; s < m.slotCount; ++s) {
            const std::size_t at = pos;
            put(p.messages.slot(b, s));
            PadSlot(TextSlot(image).subspan(at, m.width), m.width - 1);
        }
    }
    put(p.reserved.bytes);
    put(p.system.bytes);
    ShiftSettingsForTerminal(TextSlot(image).subspan(kImageSystemOffset, SystemSettings::kSize));
    return image;
}

} // namespace vosket
