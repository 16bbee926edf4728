#pragma once
// Spreadsheet export to .xlsx: captions once as the header row, hidden columns left out, numbers
// as numbers, codes and serial numbers (leading zeros, 16 digits and more) as text.
#include "platform/grid/sheetmodel.h"

#include <QString>

namespace platform {

[[nodiscard]] bool exportXlsx(const SheetModel& sheet, const QString& path);

} // namespace platform
