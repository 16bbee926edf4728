#include "desktop/reports/sheetformatting.h"

#include "desktop/frame/programtitle.h"
#include "platform/ui/dialogs.h"

#include <cmath>

namespace korvell {

namespace {

    using platform::BgrColor;
    using platform::BorderEdge;
    using platform::BorderStyle;
    using platform::SheetModel;

    SheetMenuItem item(const char* name, const char* caption, SheetCommand command, const char* shortcut = "")
    {
        SheetMenuItem i;
        i.name = QString::fromUtf8(name);
        i.caption = QString::fromUtf8(caption);
        i.command = std::move(command);
        i.shortcut = QString::fromUtf8(shortcut);
        return i;
    }

    SheetMenuItem submenu(const char* name, const char* caption, std::vector<SheetMenuItem> items)
    {
        SheetMenuItem i;
        i.name = QString::fromUtf8(name);
        i.caption = QString::fromUtf8(caption);
        i.submenu = std::move(items);
        return i;
    }

    SheetMenuItem separated(SheetMenuItem i)
    {
        i.separatorBefore = true;
        return i;
    }

    SheetCommand textColor(BgrColor color)
    {
        return [color](SheetModel& s, const SheetSelection& sel) { s.setTextColor(sel.range, color); };
    }

    SheetCommand backColor(BgrColor color)
    {
        return [color](SheetModel& s, const SheetSelection& sel) { s.setBackColor(sel.range, color); };
    }

    SheetCommand alignment(int code)
    {
        return [code](SheetModel& s, const SheetSelection& sel) { s.setAlignment(sel.range, code); };
    }

    SheetCommand borders(std::vector<BorderEdge> edges, BorderStyle style)
    {
        return [edges, style](SheetModel& s, const SheetSelection& sel) {
            for (BorderEdge edge : edges)
                s.setBorder(sel.range, edge, style);
        };
    }

    // Bold, italic, underline: the selection takes the opposite of the active cell's setting.
    SheetCommand fontToggle(
        bool platform::FontSpec::*flag, void (SheetModel::*set)(const platform::CellRange&, bool))
    {
        return [flag, set](SheetModel& s, const SheetSelection& sel) {
            (s.*set)(sel.range, !(s.fontSpec(sel.activeRow, sel.activeCol).*flag));
        };
    }

    SheetCommand rangeOperation(void (SheetModel::*operation)(const platform::CellRange&))
    {
        return [operation](SheetModel& s, const SheetSelection& sel) { (s.*operation)(sel.range); };
    }

    void mergeSelection(SheetModel& s, const SheetSelection& sel)
    {
        if (sel.range.isSingleCell() || s.merge(sel.range))
            return;
        platform::dialogs().message(QStringLiteral("不能合并单元格：选定区域与已合并的单元格重叠。"),
            programTitle(), platform::Buttons::Ok, platform::Icon::Warning);
    }

    // Structure changes leave the caption row and the hidden column alone.
    int firstRow(const SheetSelection& sel)
    {
        return std::max(sel.range.top, 1);
    }
    int firstCol(const SheetSelection& sel)
    {
        return std::max(sel.range.left, 1);
    }

    void askCount(SheetModel& s, bool rows)
    {
        const int current = rows ? s.rows() : s.cols();
        const QString prompt = rows ? QStringLiteral("请输入行数（范围1~10,000,000）：")
                                    : QStringLiteral("请输入列数（范围1~10,000,000）：");
        const std::optional<QString> answer
            = platform::dialogs().input(prompt, programTitle(), QString::number(current));
        if (!answer || answer->isEmpty())
            return;
        if (const std::optional<int> count = countFromAnswer(*answer, current))
            rows ? s.setRows(*count) : s.setCols(*count);
    }

    std::vector<SheetMenuItem> fontNameItems(const QStringList& fontNames)
    {
        std::vector<SheetMenuItem> items;
        for (const QString& family : fontNames) {
            items.push_back(item("mnuSetFontName", "",
                [family](SheetModel& s, const SheetSelection& sel) { s.setFontName(sel.range, family); }));
            items.back().caption = family;
        }
        return items;
    }

    std::vector<SheetMenuItem> fontSizeItems()
    {
        std::vector<SheetMenuItem> items;
        for (int size : { 8, 9, 10, 12, 14, 16, 18, 24, 36 })
            items.push_back(item("mnuSetFontSize", QByteArray::number(size).constData(),
                [size](SheetModel& s, const SheetSelection& sel) { s.setFontSize(sel.range, size); }));
        return items;
    }

} // namespace

std::vector<SheetMenuItem> sheetMenuItems(const QStringList& fontNames)
{
    const std::vector<BorderEdge> all { BorderEdge::Left, BorderEdge::Right, BorderEdge::Top,
        BorderEdge::Bottom, BorderEdge::InsideHorizontal, BorderEdge::InsideVertical };
    const std::vector<BorderEdge> outline { BorderEdge::Left, BorderEdge::Right, BorderEdge::Top,
        BorderEdge::Bottom };
    const BorderStyle thin = BorderStyle::Thin;
    return {
        submenu("mnuSetTextColor", "设置文字颜色",
            { item("mnuSetTextColor_Red", "红色", textColor(0x0000FF)),
                item("mnuSetTextColor_Green", "绿色", textColor(0x00FF00)),
                item("mnuSetTextColor_Blue", "蓝色", textColor(0xFF0000)),
                item("mnuSetTextColor_Black", "黑色", textColor(0)) }),
        submenu("mnuSetBackColor", "设置背景颜色",
            { item("mnuSetBackColor_Red", "红色", backColor(0x0000FF)),
                item("mnuSetBackColor_Green", "绿色", backColor(0x00FF00)),
                item("mnuSetBackColor_Blue", "蓝色", backColor(0xFF0000)),
                item("mnuSetBackColor_Grey", "灰色", backColor(0xE0E0E0)),
                item("mnuSetBackColor_White", "白色", backColor(0xFFFFFF)) }),
        submenu("mnuSetAlignment", "设置对齐方式",
            { item("mnuSetAlignment_LeftTop", "LeftTop", alignment(5)),
                item("mnuSetAlignment_LeftCenter", "LeftCenter", alignment(6)),
                item("mnuSetAlignment_LeftBottom", "LeftBottom", alignment(7)),
                item("mnuSetAlignment_CenterTop", "CenterTop", alignment(9)),
                item("mnuSetAlignment_CenterCenter", "CenterCenter", alignment(10)),
                item("mnuSetAlignment_CenterBottom", "CenterBottom", alignment(11)),
                item("mnuSetAlignment_RightTop", "RightTop", alignment(13)),
                item("mnuSetAlignment_RightCenter", "RightCenter", alignment(14)),
                item("mnuSetAlignment_RightBottom", "RightBottom", alignment(15)) }),
        submenu("mnuSetFont", "设置字体",
            { submenu("mnuSetFont_Name", "名称", fontNameItems(fontNames)),
                submenu("mnuSetFont_Size", "大小", fontSizeItems()),
                item("mnuSetFont_B", "粗体", fontToggle(&platform::FontSpec::bold, &SheetModel::setFontBold)),
                item("mnuSetFont_I", "斜体",
                    fontToggle(&platform::FontSpec::italic, &SheetModel::setFontItalic)),
                item("mnuSetFont_U", "下划线",
                    fontToggle(&platform::FontSpec::underline, &SheetModel::setFontUnderline)) }),
        separated(item("mnuSetWrapText", "设置自动换行",
            [](SheetModel& s, const SheetSelection& sel) { s.setWrap(sel.range, true); })),
        item("mnuCancelWrapText", "取消自动换行",
            [](SheetModel& s, const SheetSelection& sel) { s.setWrap(sel.range, false); }),
        separated(submenu("mnuSetBorder_P", "设置单元格边框",
            { item("mnuSetBorder", "上边框", borders({ BorderEdge::Top }, thin)),
                item("mnuSetBorder", "下边框", borders({ BorderEdge::Bottom }, thin)),
                item("mnuSetBorder", "左边框", borders({ BorderEdge::Left }, thin)),
                item("mnuSetBorder", "右边框", borders({ BorderEdge::Right }, thin)),
                item("mnuSetBorder", "内部水平框线", borders({ BorderEdge::InsideHorizontal }, thin)),
                item("mnuSetBorder", "内部垂直框线", borders({ BorderEdge::InsideVertical }, thin)),
                item("mnuSetBorder", "内部框线",
                    borders({ BorderEdge::InsideHorizontal, BorderEdge::InsideVertical }, thin)),
                item("mnuSetBorder", "外框（细）", borders(outline, thin)),
                item("mnuSetBorder", "外框（粗）", borders(outline, BorderStyle::Thick)) })),
        item("mnuCancelBorder", "取消单元格边框", borders(all, BorderStyle::None)),
        separated(item("mnuMergeCell", "合并单元格", mergeSelection, "Ctrl+M")),
        item("mnuCancelMerge", "取消合并单元格", rangeOperation(&SheetModel::unmerge)),
        separated(item(
            "mnuLockCell", "锁定单元格",
            [](SheetModel& s, const SheetSelection& sel) { s.setLocked(sel.range, true); }, "Ctrl+L")),
        item("mnuCancelLockCell", "取消锁定单元格",
            [](SheetModel& s, const SheetSelection& sel) { s.setLocked(sel.range, false); }),
        separated(item("mnuClearAll", "清除全部", rangeOperation(&SheetModel::clearAll))),
        item("mnuClearFormat", "清除格式", rangeOperation(&SheetModel::clearFormats)),
        item("mnuClearText", "清除文字", rangeOperation(&SheetModel::clearText)),
        separated(item("mnuDeleteByRow", "整行删除单元格",
            [](SheetModel& s, const SheetSelection& sel) {
                s.removeRows(firstRow(sel), sel.range.bottom - firstRow(sel) + 1);
            })),
        item("mnuDeleteByCol", "整列删除单元格",
            [](SheetModel& s, const SheetSelection& sel) {
                s.removeCols(firstCol(sel), sel.range.right - firstCol(sel) + 1);
            }),
        separated(item("mnuInsertRows", "插入行",
            [](SheetModel& s, const SheetSelection& sel) {
                s.insertRows(firstRow(sel), sel.range.bottom - firstRow(sel) + 1);
            })),
        item("mnuInsertCols", "插入列",
            [](SheetModel& s, const SheetSelection& sel) {
                s.insertCols(firstCol(sel), sel.range.right - firstCol(sel) + 1);
            }),
        separated(
            item("mnuSetRows", "设置行数", [](SheetModel& s, const SheetSelection&) { askCount(s, true); })),
        item("mnuSetCols", "设置列数", [](SheetModel& s, const SheetSelection&) { askCount(s, false); }),
    };
}

std::optional<int> countFromAnswer(const QString& answer, int current)
{
    // The longest number at the start: sign, digits, a fraction, an exponent.
    const QString text = answer.trimmed();
    qsizetype end = 0;
    auto digits = [&] {
        const qsizetype start = end;
        while (end < text.size() && text[end].isDigit() && text[end].unicode() < 128)
            ++end;
        return end > start;
    };
    if (end < text.size() && (text[end] == '+' || text[end] == '-'))
        ++end;
    bool number = digits();
    if (end < text.size() && text[end] == '.') {
        ++end;
        number = digits() || number;
    }
    if (!number)
        return std::nullopt;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        const qsizetype mantissaEnd = end++;
        if (end < text.size() && (text[end] == '+' || text[end] == '-'))
            ++end;
        if (!digits())
            end = mantissaEnd;
    }
    const double value = std::nearbyint(text.left(end).toDouble());
    if (!(value >= 1 && value <= SheetModel::maxRows) || int(value) == current)
        return std::nullopt;
    return int(value);
}

} // namespace korvell
