#include "generator/project/menurecord.h"

namespace vosket {

void MenuRecord::applyDefaults()
{
    largeFont() = 1;
    titleOn() = 0;
    ClearSlot(title());
    for (int i = 0; i < kItems; ++i) {
        ClearSlot(item(i));
        nextTarget(i) = 0;
    }
    escapeTarget() = 0;
    saveTitle() = 0;
    saveSelectedItem() = 0;
    passOn() = 0;
    itemCount() = 0;
    currentItem() = 0;
    menuSimState() = 0;
}

} // namespace vosket
