// Fuzz target for the template-sheet reader: any bytes are read without crashing, and a sheet
// that was accepted writes out and reads back to the same file.
#include "platform/grid/sheetfile.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    platform::SheetModel sheet;
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!platform::readSheet(input, sheet))
        return 0;
    const QByteArray written = platform::writeSheet(sheet);
    platform::SheetModel again;
    if (!platform::readSheet(written, again) || platform::writeSheet(again) != written)
        std::abort();
    return 0;
}
