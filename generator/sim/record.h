#pragma once
// The record a finished form composes: its lines' data with separators, prefixes, suffixes and
// fixed lengths, and the date and time stamp. The simulator keeps it as the transfer text that
// the next form's pass-on lines show.
#include "generator/project/formrecord.h"
#include "generator/project/systemsettings.h"

#include <QByteArray>
#include <QDateTime>
#include <array>

namespace vosket {

// The record buffer: 408 bytes with the NUL, so a record keeps at most 407.
inline constexpr qsizetype kRecordCapacity = 407;

using LineInputs = std::array<QByteArray, FormRecord::kLines>;

// The record of form with the inputs of its lines, stamped with now. Never longer than
// kRecordCapacity.
QByteArray ComposeRecord(
    const FormRecord& form, const SystemSettings& system, const LineInputs& inputs, const QDateTime& now);

} // namespace vosket
