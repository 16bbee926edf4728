#include "generator/project/lookuprecord.h"

namespace vosket {

void LookupRecord::applyDefaults()
{
    recordLength() = 0;
    fieldCount() = 0;
    keyField() = 0;
    for (int i = 0; i < kFields; ++i) {
        fieldOffset(i) = 1;
        fieldLength(i) = 0;
    }
    separator() = 0;
    uploadable() = 1;
    noMatchAction() = 0;
}

} // namespace vosket
