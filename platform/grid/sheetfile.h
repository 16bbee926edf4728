#pragma once
// Template sheets (".cel") and their XML export/import: our own versioned XML format,
// root element <korvell-sheet version="1">. Files of another format or of a newer version are
// refused; saving is atomic, so a failed save leaves the previous file whole.
#include "platform/grid/sheetmodel.h"

#include <QByteArray>
#include <QString>

namespace platform {

inline constexpr int sheetFormatVersion = 1;

enum class SheetReadError { None, Missing, Unreadable, NotASheet, NewerVersion, Malformed };

struct SheetReadResult {
    SheetReadError error = SheetReadError::None;
    QString detail; // for messages: what was wrong, where
    explicit operator bool() const { return error == SheetReadError::None; }
};

// Reads data into sheet; on any failure the sheet is left as it was.
SheetReadResult readSheet(const QByteArray& data, SheetModel& sheet);
QByteArray writeSheet(const SheetModel& sheet);

// File forms. openSheetFile shows a message through the dialogs seam when the file exists but
// is not a sheet of ours or comes from a newer version; a missing file is left to the caller.
SheetReadResult loadSheetFile(const QString& path, SheetModel& sheet);
[[nodiscard]] bool openSheetFile(const QString& path, SheetModel& sheet);
[[nodiscard]] bool saveSheetFile(const QString& path, const SheetModel& sheet);

} // namespace platform
