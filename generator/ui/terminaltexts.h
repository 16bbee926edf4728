#pragma once
// The startup page's 26 groups of terminal texts (message blocks 1 to 26) without widgets: their
// names, line counts and widths for either font, both default sets, and the copies the page edits.
#include "generator/project/messageblocks.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace vosket {

inline constexpr int kTextGroups = 26;
inline constexpr int kGroupLines = 8;
inline constexpr std::size_t kGroupLineBytes = 21; // a line of the page's copy, whatever its slot

// Group g edits message block g + 1. The groups of 21-byte blocks change their width (16 to 12
// characters) and some their line count with the large font.
bool WidthChanges(int group);
QString GroupName(int group, bool large);
int GroupLineCount(int group, bool large);
qsizetype GroupLineLength(int group, bool large);
// Whether a line has a large-font default text of its own (the width-changing groups' lines).
bool HasLargeFontText(int group, int line);
// The default text of a line for the font choice: its large-font text where it has one, else the
// new-project text ("" where the block has fewer lines).
QString DefaultGroupText(int group, int line, bool large);
// The label of a line: its default text, with the few lines the page labels otherwise.
QString GroupLineLabel(int group, int line, bool large);

// The page's copies: each line as a 21-byte slot holding the slot's bytes, those behind its NUL
// too, so that the copies go back byte for byte. A 16-byte slot is the first 16 bytes of its copy.
struct TerminalTexts {
    std::array<std::array<std::array<uint8_t, kGroupLineBytes>, kGroupLines>, kTextGroups> lines {};

    TextSlot line(int group, int l) { return lines[Entry(group, kTextGroups)][Entry(l, kGroupLines)]; }
    ConstTextSlot line(int group, int l) const
    {
        return lines[Entry(group, kTextGroups)][Entry(l, kGroupLines)];
    }
};

// Each slot into its line's copy; a 16-byte slot's copy ends in NULs.
TerminalTexts ReadTerminalTexts(const MessageArea& messages);
// Each line's copy into its slot, as many bytes as the slot has.
void WriteTerminalTexts(const TerminalTexts& texts, MessageArea& messages);
// The lines with a large-font text take the default of the font choice; the others keep theirs.
void ApplyFontDefaults(TerminalTexts& texts, bool large);
// The same for the lines that still hold the other font's default; lines the user typed stay.
void FitTextsToFont(TerminalTexts& texts, bool large);
// Every line takes its default for the font choice.
void ResetTerminalTexts(TerminalTexts& texts, bool large);

// "导入提示和消息 ...": the texts and the font flag of another project file.
enum class TextImport { Taken, CannotOpen, WrongFormat, Incomplete };
inline constexpr char kImportIncomplete[] = "文件不完整 !!!";
// Takes the 26 groups and allPromptsLarge from the file's bytes only when its first ten bytes
// are the project tag and it holds all of them; otherwise texts and large are unchanged.
TextImport ImportTerminalTexts(const QByteArray& file, TerminalTexts& texts, bool& large);
TextImport ImportTerminalTextsFile(const QString& path, TerminalTexts& texts, bool& large);

} // namespace vosket
