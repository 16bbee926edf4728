#include "generator/sim/textscreen.h"

#include "generator/project/gbk.h"

#include <algorithm>

namespace vosket {

std::vector<ScreenGlyph> ScreenGlyphs(QByteArrayView bytes)
{
    std::vector<ScreenGlyph> glyphs;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<uint8_t>(bytes[i]);
        const int column = static_cast<int>(i);
        if (b < 0x80) {
            glyphs.push_back({ QString(QChar(b)), column, 1 });
            ++i;
        } else if (SplitsDoubleByte(bytes.sliced(i), 1)) {
            glyphs.push_back({ FromGbk(bytes.sliced(i, 2)), column, 2 });
            i += 2;
        } else {
            // A lone byte (a half character cut by the line's end, or damage): one cell.
            const QString decoded = FromGbk(bytes.sliced(i, 1));
            glyphs.push_back(
                { decoded.size() == 1 ? decoded : QString(QChar::ReplacementCharacter), column, 1 });
            ++i;
        }
    }
    return glyphs;
}

void TextScreen::setLine(int index, QByteArrayView bytes)
{
    if (index < 0 || index >= LineCount)
        return;
    lines[static_cast<size_t>(index)]
        = bytes.first(std::min<qsizetype>(bytes.size(), LineCells)).toByteArray();
}

void TextScreen::setHighlightedLine(int number)
{
    highlight = number >= 1 && number <= LineCount ? number : 0;
}

void TextScreen::setCursor(QPoint cell)
{
    cursorCell = QPoint(std::clamp(cell.x(), 0, LineCells - 1), std::clamp(cell.y(), 0, LineCount - 1));
}

void TextScreen::setClockLine(QByteArrayView bytes)
{
    clock = bytes.first(std::min<qsizetype>(bytes.size(), LineCells)).toByteArray();
}

} // namespace vosket
