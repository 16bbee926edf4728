#include "generator/sim/textscreen.h"

namespace vosket {

int TextScreen::cellsOf(const QString& text)
{
    int cells = 0;
    for (QChar c : text)
        cells += cellsOf(c);
    return cells;
}

void TextScreen::setLine(int index, const QString& text)
{
    if (index < 0 || index >= LineCount)
        return;
    QString kept;
    int cells = 0;
    for (QChar c : text) {
        // A double-cell character that would straddle the end is left out whole.
        if (cells + cellsOf(c) > LineCells)
            break;
        cells += cellsOf(c);
        kept += c;
    }
    lines[static_cast<size_t>(index)] = kept;
}

void TextScreen::clearLines()
{
    lines.fill(QString());
    highlight = 0;
}

void TextScreen::setHighlightedLine(int number)
{
    highlight = number >= 1 && number <= LineCount ? number : 0;
}

} // namespace vosket
