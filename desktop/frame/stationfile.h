#pragma once
// This workstation's number, kept as the first line of "stationno.txt" in the program folder.
#include <QString>
#include <optional>

namespace korvell {

// The number in text (CR LF and surrounding blanks ignored) when it is a positive whole number,
// as written ("07" stays "07").
std::optional<QString> parseStationNumber(const QString& text);

// The usable number of the file's first line; nullopt when the file is missing, empty or holds
// no usable number.
std::optional<QString> readStationFile(const QString& folder);

// Writes number and CR LF as the file's only line. False when the file cannot be written.
[[nodiscard]] bool writeStationFile(const QString& folder, const QString& number);

// Reads the number, or asks "请确定本机的工作站号" until the answer is usable and writes it.
// nullopt when the answer could not be written.
[[nodiscard]] std::optional<QString> ReadStationNo(const QString& folder);

} // namespace korvell
