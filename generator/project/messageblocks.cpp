#include "generator/project/messageblocks.h"

namespace vosket {
namespace {

    // The default texts of each block, slot by slot, blanks included.
    constexpr int kMostSlots = 8;
    constexpr const char* kDefaultTexts[kMessageBlockCount][kMostSlots] = {
        { " ZENTRAVOX  ", "  应用程序  ", "   产生器   ", " 版本 1.02  " },
        { "1.收集数据  ", "2.上传数据  ", "3.系统工具  ", "            " },
        { "1.系统设置  ", "2.浏览数据  ", "3.删除数据  ", "4.读取测试  ", "5.日期时间  ", "6.下载程序  ",
            "7.内存电池  ", "8.下载索引  " },
        { "删除数据:   ", "1.所有数据  ", "2.最后一笔  ", "3.取消      " },
        { "您确定吗?   ", "1.是        ", "2.否        ", "            " },
        { "内存:       ", "电池电压    ", "主电池:     ", "备电池:     " },
        { "下载:       ", "第一索引    ", "第二索引    ", "第三索引    ", "所有文件    ", "  1:继续    ",
            "  2:取消    " },
        { " [系统设置] ", "1.上传端口  ", "2.下载端口  ", "3.传输速率  ", "4.设置背光  ", "5.数据删除  ",
            "6.记录提示  ", "7.查看设置  " },
        { "上传端口    ", "1. 通讯座   ", "2. IrDA     ", "3. Modem    ", "            ", "" },
        { "下载端口", "1. 通讯座   ", "2. IrDA     ", "3. Modem    ", "", "" },
        { "1.115200 bps", "2. 57600 bps", "3. 38400 bps", "4. 19200 bps", "5.  9600 bps" },
        { "打开背光    ", "关闭背光    ", "时间        ", "  _0 秒     " },
        { "上传后      ", "删除数据    ", "1.人工删除  ", "2.自动删除  " },
        { "1.无提示    ", "2.显示数量  ", "3.显示数据  ", "停留__00ms  ", "            ", "            " },
        { "上传:       ", "下载:       ", "速率:       ", "背光:       ", " Duration:      ",
            "EraseData:      ", "Prompt:         ", " Duration:      " },
        { "系统错误!   ", "请与生产厂商", "联系!       " },
        { "所有(逐个)  ", "所有(追加)  ", "下一个文件: ", " 1:继续     ", " 2:取消     " },
        { "Upload data via:", "Modem           ", "                ", "Phone number:   " },
        { "已更新!!    ", "已插入!!    ", "内存已满!   ", "按 [ESC]    ", "输出完毕!!  " },
        { "删除记录?   ", "7>是   9>否 ", "您确认吗    ", "1>是   3>否 ", "已删除!!   " },
        { "传输完毕    ", "正在删除... ", "所有文件    " },
        { "密码:       ", "  无效 !!   " },
        { "正在连接... ", "            ", "按 ESC 取消 ", "            " },
        { "初始化...   ", "正在连接... ", "连接成功!!  " },
        { "Wrong data type!", "Data too short!!", "Data too long!! ", "Wrong Lead Code!", "Data not found!!",
            "Press any key..." },
        { "下载中...   ", "下载成功!   ", "下载失败!   ", "请稍等.     ", "发送中...   ",
            "传输:       ", "完毕        ", "超时!!!     " },
        { "F8:Edit  F9:Del ", "[Enter]:选择 ", "[ ESC ]:取消 " },
    };

} // namespace

QString DefaultMessageText(int b, int s)
{
    const MessageBlock& m = kMessageBlocks[Entry(b, kMessageBlockCount)];
    return QString::fromUtf8(kDefaultTexts[b][Entry(s, m.slotCount)]);
}

void MessageArea::applyDefaults()
{
    for (int b = 0; b < kMessageBlockCount; ++b) {
        for (int s = 0; s < kMessageBlocks[static_cast<std::size_t>(b)].slotCount; ++s)
            SetSlotText(slot(b, s), DefaultMessageText(b, s));
    }
}

} // namespace vosket
