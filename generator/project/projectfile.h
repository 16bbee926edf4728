#pragma once
// The project file (*.VSK): the tag, then every block byte for byte, then 100 zero bytes,
// 18,942 bytes in all.
#include "generator/project/project.h"

#include <QByteArray>
#include <QString>

namespace vosket {

// Offsets of the blocks in the file.
inline constexpr std::size_t kFileCommOffset = 10;
inline constexpr std::size_t kFileBarcodeOffset = 12;
inline constexpr std::size_t kFileMenusOffset = 35;
inline constexpr std::size_t kFileFormsOffset = 3535;
inline constexpr std::size_t kFileLookupsOffset = 15685;
inline constexpr std::size_t kFileMessagesOffset = 16051;
inline constexpr std::size_t kFileReservedOffset = 18519;
inline constexpr std::size_t kFileSystemOffset = 18574;
inline constexpr std::size_t kFileBlocksEnd = 18842; // then 100 zero bytes, never read
inline constexpr std::size_t kProjectFileSize = 18942;

// Dialog texts: the open dialog's filters, the save dialog's filter and default extension.
inline constexpr char kOpenProjectFilter[] = "应用程序产生器文件 (*.VSK);;所有文件 (*.*)";
inline constexpr char kSaveProjectFilter[] = "Application Generator (*.VSK)";
inline constexpr char kProjectExtension[] = "VSK";

// Messages.
inline constexpr char kWrongFormatMessage[] = "格式不匹配 !!!";

// The whole file for p: 18,942 bytes.
QByteArray ProjectFileBytes(const Project& p);

enum class FileRead {
    Complete, // tag right, every block read
    Short, // tag right, the file ended inside the blocks: the blocks behind its end are untouched
    WrongFormat, // shorter than the tag, or another tag
};

// Reads file bytes over the blocks of p (tag, `modified` and path untouched). A wrong tag
// changes nothing.
FileRead ReadProjectBytes(const QByteArray& file, Project& p);

enum class FileLoad { Complete, Short, WrongFormat, CannotOpen, ReadError };

// Reads the file at path over the blocks of p, as ReadProjectBytes; on CannotOpen and ReadError
// p is unchanged. Shows no message (the import of screen texts decides its own).
FileLoad LoadProjectFile(const QString& path, Project& p);

// The extension rule of the save dialog: a name whose last four characters are not '.' and
// "VSK" in any case gets ".VSK" appended.
QString WithProjectExtension(const QString& fileName);

// "打开...": the caller has already run ResetBarcodeSettings and NewProject. Empties the path,
// then asks for a file through the dialogs seam; false when cancelled or not read.
[[nodiscard]] bool OpenProject(Project& p);
// The same for a chosen file name (empty: cancelled). On success the path is that file; an open
// that reads no project leaves the path empty. "格式不匹配 !!!" ("错误") for another format, a
// warning ("警告") for a short file, which is still taken.
[[nodiscard]] bool OpenProjectFile(Project& p, const QString& fileName);

// "保存": SaveProjectAs for an unnamed project, else WriteProjectFile.
[[nodiscard]] bool SaveProject(Project& p);
// "另存为...": asks for a name through the dialogs seam; false when cancelled (path as it was).
[[nodiscard]] bool SaveProjectAs(Project& p);
// The same for a chosen name (empty: cancelled): applies the extension rule, takes the name as
// the path and writes.
[[nodiscard]] bool SaveProjectAsFile(Project& p, const QString& fileName);
// Writes the project to its path through a temporary file that replaces the old file only when
// everything was written. Success clears `modified`; a failure shows a message ("错误"), keeps
// `modified` and leaves any old file as it was.
[[nodiscard]] bool WriteProjectFile(Project& p);

} // namespace vosket
