#include "generator/ui/terminaltexts.h"

#include "generator/project/gbk.h"
#include "generator/project/projectfile.h"

#include <QFile>
#include <algorithm>

namespace vosket {

namespace {

    struct Group {
        const char* name;
        int nameLines; // as the small-font list name gives it
        int lines;
        int largeLines;
    };
    constexpr Group kGroups[kTextGroups] = { { "主菜单", 3, 3, 3 }, { "系统工具", 8, 8, 8 },
        { "删除数据", 4, 4, 4 }, { "确认", 3, 4, 4 }, { "内存和电池", 4, 4, 4 }, { "下载索引文件", 7, 7, 7 },
        { "设置", 8, 8, 8 }, { "上传端口", 6, 6, 4 }, { "下载端口", 6, 6, 4 }, { "波特率", 5, 5, 5 },
        { "背光", 4, 4, 4 }, { "数据删除", 4, 4, 4 }, { "记录提示", 6, 6, 4 }, { "查看设置", 8, 8, 6 },
        { "系统错误", 3, 3, 3 }, { "上传数据", 5, 5, 5 }, { "设置电话号码", 4, 4, 2 },
        { "保存记录", 5, 5, 5 }, { "删除记录", 5, 5, 5 }, { "自动上传数据", 3, 3, 3 },
        { "设置密码", 2, 2, 2 }, { "正在连接", 4, 4, 4 }, { "Modem连接", 3, 3, 3 }, { "出错信息", 6, 6, 5 },
        { "其它", 8, 8, 8 }, { "杂项-继续", 3, 3, 3 } };

    // The large-font default texts of the width-changing groups, by group.
    constexpr const char* kLargeDefaults[kTextGroups][kGroupLines] = {
        {},
        { "1.系统设置  ", "2.浏览数据  ", "3.删除数据  ", "4.读取测试  ", "5.日期时间  ", "6.下载程序  ",
            "7.内存电池  ", "8.下载索引  " },
        {},
        {},
        {},
        {},
        { " [系统设置] ", "1.上传端口  ", "2.下载端口  ", "3.传输速率  ", "4.设置背光  ", "5.数据删除  ",
            "6.记录提示  ", "7.查看设置  " },
        { "上传端口:   ", "1. 通讯座   ", "2. IrDA     ", "3. Modem    " },
        { "下载端口    ", "1. 通讯座   ", "2. IrDA     ", "3. Modem    " },
        { "1.115200 bps", "2. 57600 bps", "3. 38400 bps", "4. 19200 bps", "5.  9600 bps" },
        { "打开背光    ", "关闭背光    ", "时间:       ", "  _0 秒     " },
        { "上传后      ", "删除数据    ", "1.人工删除  ", "2.自动删除  " },
        { "1.无提示    ", "2.显示数量  ", "3.显示数据  ", "停留__00ms  " },
        { "上传        ", "下载        ", "速率        ", "背光        ", "删除数据    ", "显示提示    " },
        {},
        {},
        { "通过Modem   ", "电话号码    " },
        {},
        {},
        {},
        {},
        {},
        {},
        { "类型错误!   ", "长度太短!   ", "长度太长!   ", "错误代码!   ", "没有找到!   " },
        {},
        { "F8:Ed F9:Del", "Enter:选择  ", " ESC :取消  " },
    };

    const Group& GroupAt(int group)
    {
        return kGroups[Entry(group, kTextGroups)];
    }

    const MessageBlock& BlockOf(int group)
    {
        return kMessageBlocks[Entry(group, kTextGroups) + 1];
    }

} // namespace

bool WidthChanges(int group)
{
    return BlockOf(group).width == 21;
}

QString GroupName(int group, bool large)
{
    const Group& g = GroupAt(group);
    const bool changed = large && WidthChanges(group);
    return QStringLiteral("%1 (%2x%3)")
        .arg(QString::fromUtf8(g.name))
        .arg(changed ? g.largeLines : g.nameLines)
        .arg(GroupLineLength(group, large));
}

int GroupLineCount(int group, bool large)
{
    return large ? GroupAt(group).largeLines : GroupAt(group).lines;
}

qsizetype GroupLineLength(int group, bool large)
{
    return WidthChanges(group) && !large ? 16 : 12;
}

bool HasLargeFontText(int group, int line)
{
    return WidthChanges(group)
        && kLargeDefaults[Entry(group, kTextGroups)][Entry(line, kGroupLines)] != nullptr;
}

QString DefaultGroupText(int group, int line, bool large)
{
    if (large && HasLargeFontText(group, line))
        return QString::fromUtf8(kLargeDefaults[group][line]);
    return line < BlockOf(group).slotCount ? DefaultMessageText(group + 1, line) : QString();
}

QString GroupLineLabel(int group, int line, bool large)
{
    if (!large) {
        if (group == 1 && line == 6)
            return QStringLiteral("7. 内存 & 电池");
        if ((group == 12 && line == 3) || (group == 16 && line == 2))
            return QString();
    }
    if (group == 21 && line == 1)
        return QString();
    return DefaultGroupText(group, line, large);
}

TerminalTexts ReadTerminalTexts(const MessageArea& messages)
{
    TerminalTexts texts;
    for (int g = 0; g < kTextGroups; ++g) {
        for (int l = 0; l < BlockOf(g).slotCount; ++l)
            std::ranges::copy(messages.slot(g + 1, l), texts.line(g, l).begin());
    }
    return texts;
}

void WriteTerminalTexts(const TerminalTexts& texts, MessageArea& messages)
{
    for (int g = 0; g < kTextGroups; ++g) {
        for (int l = 0; l < BlockOf(g).slotCount; ++l) {
            const TextSlot slot = messages.slot(g + 1, l);
            std::ranges::copy(texts.line(g, l).first(slot.size()), slot.begin());
        }
    }
}

void ApplyFontDefaults(TerminalTexts& texts, bool large)
{
    for (int g = 0; g < kTextGroups; ++g) {
        for (int l = 0; l < kGroupLines; ++l) {
            if (HasLargeFontText(g, l))
                SetSlotText(texts.line(g, l), DefaultGroupText(g, l, large));
        }
    }
}

void FitTextsToFont(TerminalTexts& texts, bool large)
{
    for (int g = 0; g < kTextGroups; ++g) {
        for (int l = 0; l < kGroupLines; ++l) {
            if (HasLargeFontText(g, l)
                && SlotBytes(texts.line(g, l)) == ToGbk(DefaultGroupText(g, l, !large)))
                SetSlotText(texts.line(g, l), DefaultGroupText(g, l, large));
        }
    }
}

void ResetTerminalTexts(TerminalTexts& texts, bool large)
{
    for (int g = 0; g < kTextGroups; ++g) {
        for (int l = 0; l < kGroupLines; ++l)
            SetSlotText(texts.line(g, l), DefaultGroupText(g, l, large));
    }
}

TextImport ImportTerminalTexts(const QByteArray& file, TerminalTexts& texts, bool& large)
{
    if (!file.startsWith(QByteArrayView(kProjectTagText, sizeof kProjectTagText)))
        return TextImport::WrongFormat;
    if (file.size() <= static_cast<qsizetype>(kFileSystemOffset + SystemSettings::kAllPromptsLarge))
        return TextImport::Incomplete;
    Project other;
    ReadProjectBytes(file, other);
    texts = ReadTerminalTexts(other.messages);
    large = other.system.allPromptsLarge() != 0;
    return TextImport::Taken;
}

TextImport ImportTerminalTextsFile(const QString& path, TerminalTexts& texts, bool& large)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TextImport::CannotOpen;
    return ImportTerminalTexts(file.read(static_cast<qint64>(kFileBlocksEnd)), texts, large);
}

} // namespace vosket
