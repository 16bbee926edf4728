// The expected bytes of a new project, written down from the file layout and the default
// tables, without the code under test.
#include "tests/generator/project/goldenfile.h"

#include <cerrno>
#include <iconv.h>
#include <initializer_list>

namespace {

struct TextRun {
    int fileOffset; // of the block's first slot
    int width;
    std::initializer_list<const char*> texts;
};

// The screen-text blocks: offset in the file, slot width, default texts.
const TextRun kTexts[] = {
    { 16051, 16, { " ZENTRAVOX  ", "  应用程序  ", "   产生器   ", " 版本 1.02  " } },
    { 16115, 16, { "1.收集数据  ", "2.上传数据  ", "3.系统工具  ", "            " } },
    { 16179, 21,
        { "1.系统设置  ", "2.浏览数据  ", "3.删除数据  ", "4.读取测试  ", "5.日期时间  ", "6.下载程序  ",
            "7.内存电池  ", "8.下载索引  " } },
    { 16347, 16, { "删除数据:   ", "1.所有数据  ", "2.最后一笔  ", "3.取消      " } },
    { 16411, 16, { "您确定吗?   ", "1.是        ", "2.否        ", "            " } },
    { 16475, 16, { "内存:       ", "电池电压    ", "主电池:     ", "备电池:     " } },
    { 16539, 16,
        { "下载:       ", "第一索引    ", "第二索引    ", "第三索引    ", "所有文件    ", "  1:继续    ",
            "  2:取消    " } },
    { 16651, 21,
        { " [系统设置] ", "1.上传端口  ", "2.下载端口  ", "3.传输速率  ", "4.设置背光  ", "5.数据删除  ",
            "6.记录提示  ", "7.查看设置  " } },
    { 16819, 21, { "上传端口    ", "1. 通讯座   ", "2. IrDA     ", "3. Modem    ", "            ", "" } },
    { 16945, 21, { "下载端口", "1. 通讯座   ", "2. IrDA     ", "3. Modem    ", "", "" } },
    { 17071, 21, { "1.115200 bps", "2. 57600 bps", "3. 38400 bps", "4. 19200 bps", "5.  9600 bps" } },
    { 17176, 21, { "打开背光    ", "关闭背光    ", "时间        ", "  _0 秒     " } },
    { 17260, 21, { "上传后      ", "删除数据    ", "1.人工删除  ", "2.自动删除  " } },
    { 17344, 21,
        { "1.无提示    ", "2.显示数量  ", "3.显示数据  ", "停留__00ms  ", "            ", "            " } },
    { 17470, 21,
        { "上传:       ", "下载:       ", "速率:       ", "背光:       ", " Duration:      ",
            "EraseData:      ", "Prompt:         ", " Duration:      " } },
    { 17638, 16, { "系统错误!   ", "请与生产厂商", "联系!       " } },
    { 17686, 16, { "所有(逐个)  ", "所有(追加)  ", "下一个文件: ", " 1:继续     ", " 2:取消     " } },
    { 17766, 21, { "Upload data via:", "Modem           ", "                ", "Phone number:   " } },
    { 17850, 16, { "已更新!!    ", "已插入!!    ", "内存已满!   ", "按 [ESC]    ", "输出完毕!!  " } },
    { 17930, 16, { "删除记录?   ", "7>是   9>否 ", "您确认吗    ", "1>是   3>否 ", "已删除!!   " } },
    { 18010, 16, { "传输完毕    ", "正在删除... ", "所有文件    " } },
    { 18058, 16, { "密码:       ", "  无效 !!   " } },
    { 18090, 16, { "正在连接... ", "            ", "按 ESC 取消 ", "            " } },
    { 18154, 16, { "初始化...   ", "正在连接... ", "连接成功!!  " } },
    { 18202, 21,
        { "Wrong data type!", "Data too short!!", "Data too long!! ", "Wrong Lead Code!", "Data not found!!",
            "Press any key..." } },
    { 18328, 16,
        { "下载中...   ", "下载成功!   ", "下载失败!   ", "请稍等.     ", "发送中...   ",
            "传输:       ", "完毕        ", "超时!!!     " } },
    { 18456, 21, { "F8:Edit  F9:Del ", "[Enter]:选择 ", "[ ESC ]:取消 " } },
};

void Put(QByteArray& file, int offset, std::initializer_list<int> bytes)
{
    for (int b : bytes)
        file[offset++] = static_cast<char>(b);
}

} // namespace

namespace testsupport {

QByteArray Gbk(const char* utf8)
{
    iconv_t cd = iconv_open("GBK", "UTF-8");
    QByteArray in(utf8);
    QByteArray out(in.size() * 2 + 4, '\0');
    char* src = in.data();
    char* dst = out.data();
    size_t srcLeft = static_cast<size_t>(in.size());
    size_t dstLeft = static_cast<size_t>(out.size());
    iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    out.truncate(out.size() - static_cast<qsizetype>(dstLeft));
    return out;
}

QByteArray GoldenNewProjectFile()
{
    QByteArray file(18942, '\0');
    file.replace(0, 9, "7300-1.00");
    Put(file, 12,
        { 0x9B, 0xC9, 0, 0, 0, 0x2D, 0x54, 0x80, 0, 0x19, 0x3D, 0, 255, 1, 254, 1, 255, 1, 255, 1, 0x66, 3,
            3 });
    for (int m = 0; m < 10; ++m)
        Put(file, 35 + m * 350, { 1 }); // large font; everything else 0
    for (int f = 0; f < 10; ++f) {
        const int base = 3535 + f * 1215;
        Put(file, base, { 1, 0, f + 1, 0, 1, 1, 0, 1, 1, 1, '/', 0, 0, 1, 1, 1, 1, ':', 0, 0, 0 });
        for (int line = 0; line < 8; ++line) {
            Put(file, base + 205 + line, { 2 }); // input from either
            Put(file, base + 221 + line, { 50 }); // maximum length
            Put(file, base + 533 + line, { 20 }); // partial maximum length
            Put(file, base + 597 + line, { 1 }); // scan and line feed
        }
    }
    for (int l = 0; l < 3; ++l) {
        const int base = 15685 + l * 122;
        Put(file, base + 3, { 1, 1, 1, 1, 1, 1, 1, 1 });
        Put(file, base + 20, { 1 });
    }
    for (const TextRun& run : kTexts) {
        int offset = run.fileOffset;
        for (const char* text : run.texts) {
            const QByteArray bytes = Gbk(text);
            file.replace(offset, bytes.size(), bytes);
            offset += run.width;
        }
    }
    const int settings = 18574;
    Put(file, settings, { 1, 0, ',' });
    Put(file, settings + 30, { 2, 0, 1, 6 });
    Put(file, settings + 68, { 1 });
    return file;
}

QByteArray PackedNewProjectTexts()
{
    QByteArray packed;
    for (const TextRun& run : kTexts) {
        for (const char* text : run.texts)
            packed += Gbk(text).leftJustified(run.width - 1, ' ') + '\0';
    }
    return packed;
}

} // namespace testsupport
