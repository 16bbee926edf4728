// The settings and startup pages' rules without widgets: the password check, the time edits,
// the reset, both default text sets byte for byte, and the import of texts from a project file.
#include "generator/project/gbk.h"
#include "generator/project/projectfile.h"
#include "generator/ui/settingsrules.h"
#include "generator/ui/terminaltexts.h"

#include <gtest/gtest.h>

using namespace vosket;

TEST(SettingsRules, PasswordKeepsTenLettersOrDigits)
{
    const struct {
        const char* typed;
        const char* stored;
        const char* warning;
    } cases[] = {
        { "abc", "abc", "" },
        { "", "", "" },
        { "ab#", "ab", kPasswordInvalid },
        { "a-b-c", "abc", kPasswordInvalid },
        { "A1b2C3d4E5", "A1b2C3d4E5", "" },
        { "A1b2C3d4E5x", "A1b2C3d4E5", kPasswordTooLong },
        { "#########ab", "#########a", kPasswordTooLong }, // the cut text is checked once more
        { "密码", "", kPasswordInvalid },
    };
    for (const auto& c : cases) {
        const PasswordOutcome outcome = PasswordEdit(QString::fromUtf8(c.typed));
        EXPECT_EQ(outcome.store, QString::fromUtf8(c.stored)) << c.typed;
        EXPECT_EQ(outcome.warning, QString::fromUtf8(c.warning)) << c.typed;
        EXPECT_EQ(outcome.replace, *c.warning != 0) << c.typed;
    }
}

TEST(SettingsRules, TimeEditsIgnoreLargeNumbersAndTakeOneForText)
{
    const struct {
        const char* text;
        unsigned limit;
        std::optional<int> stored;
        std::optional<QString> shown;
    } cases[] = {
        { "5", 9, 5, std::nullopt },
        { "0", 9, 0, std::nullopt },
        { "12", 9, std::nullopt, std::nullopt },
        { "x", 9, 1, QStringLiteral("1") },
        { "", 9, 1, std::nullopt },
        { "99", 99, 99, std::nullopt },
        { "100", 99, std::nullopt, std::nullopt },
    };
    for (const auto& c : cases) {
        const EditOutcome outcome = SettingsTimeEdit(QString::fromUtf8(c.text), c.limit);
        EXPECT_EQ(outcome.store ? std::optional<int>(*outcome.store) : std::nullopt, c.stored) << c.text;
        EXPECT_EQ(outcome.replaceText, c.shown) << c.text;
    }
}

TEST(SettingsRules, ResetAndApplyTouchOnlyThePagesBytes)
{
    SystemSettings s;
    s.bytes.fill(0xA5);
    const SystemSettings before = s;
    ResetSystemSettings(s);
    for (std::size_t i = 0; i < SystemSettings::kSize; ++i) {
        if (i < kSettingsPageFirst || i >= kSettingsPageEnd) {
            EXPECT_EQ(s.bytes[i], before.bytes[i]) << i;
        }
    }
    EXPECT_EQ(s.phoneNumber()[0], 0);
    EXPECT_EQ(s.phoneNumber()[1], 0xA5); // only the phone number's first byte empties it
    const uint8_t expected[] = { 0, 0, 2, 0, 1, 6 }; // link speed to prompt time
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(s.at(SystemSettings::kDownloadPort + 1 + i), expected[i]) << i;
    for (std::size_t i = SystemSettings::kSecurity; i < kSettingsPageEnd; ++i)
        EXPECT_EQ(s.bytes[i], 0) << i;

    SystemSettings target;
    target.bytes.fill(0x5A);
    CopySettingsPageFields(s, target);
    for (std::size_t i = 0; i < SystemSettings::kSize; ++i) {
        const bool owned = i >= kSettingsPageFirst && i < kSettingsPageEnd;
        EXPECT_EQ(target.bytes[i], owned ? s.bytes[i] : 0x5A) << i;
    }
}

namespace {

// A project whose slots hold a byte pattern, and its texts as the page's copies take them.
MessageArea Pattern()
{
    MessageArea area;
    area.bytes.fill(0xA5);
    return area;
}

// The message area as the page's texts write it over the pattern.
MessageArea Written(const TerminalTexts& texts)
{
    MessageArea area = Pattern();
    WriteTerminalTexts(texts, area);
    return area;
}

QByteArray Slot(const MessageArea& area, int group, int line)
{
    const ConstTextSlot slot = area.slot(group + 1, line);
    return QByteArray(reinterpret_cast<const char*>(slot.data()), static_cast<qsizetype>(slot.size()));
}

QByteArray Expected(const char* text, int width)
{
    QByteArray bytes = ToGbk(QString::fromUtf8(text)) + '\0';
    return bytes + QByteArray(width - bytes.size(), static_cast<char>(0xA5));
}

} // namespace

TEST(TerminalTexts, SmallFontDefaultsAreTheNewProjectTexts)
{
    TerminalTexts texts = ReadTerminalTexts(Pattern());
    ResetTerminalTexts(texts, false);
    MessageArea expected = Pattern();
    expected.applyDefaults();
    const MessageArea written = Written(texts);
    const std::size_t startScreen = kMessageBlocks[0].bytes();
    EXPECT_TRUE(std::equal(
        written.bytes.begin() + startScreen, written.bytes.end(), expected.bytes.begin() + startScreen));
    EXPECT_TRUE(std::all_of(
        written.bytes.begin(), written.bytes.begin() + startScreen, [](uint8_t b) { return b == 0xA5; }));
    EXPECT_EQ(Slot(written, 8, 0), Expected("下载端口", 21));
    EXPECT_EQ(GroupName(7, false), QStringLiteral("上传端口 (6x16)"));
    EXPECT_EQ(GroupName(3, false), QStringLiteral("确认 (3x12)"));
    EXPECT_EQ(GroupLineLabel(1, 6, false), QStringLiteral("7. 内存 & 电池"));
    EXPECT_EQ(GroupLineLabel(21, 1, true), QString());
}

TEST(TerminalTexts, LargeFontDefaultsAreTwelveBytesAndTheNewProjectTextsBelowTheirLines)
{
    TerminalTexts texts = ReadTerminalTexts(Pattern());
    ResetTerminalTexts(texts, true);
    const MessageArea written = Written(texts);
    const struct {
        int group;
        std::vector<const char*> lines; // every slot of the block
    } cases[] = {
        { 7, { "上传端口:   ", "1. 通讯座   ", "2. IrDA     ", "3. Modem    ", "            ", "" } },
        { 10, { "打开背光    ", "关闭背光    ", "时间:       ", "  _0 秒     " } },
        { 12,
            { "1.无提示    ", "2.显示数量  ", "3.显示数据  ", "停留__00ms  ", "            ",
                "            " } },
        { 13,
            { "上传        ", "下载        ", "速率        ", "背光        ", "删除数据    ", "显示提示    ",
                "Prompt:         ", " Duration:      " } },
        { 16, { "通过Modem   ", "电话号码    ", "                ", "Phone number:   " } },
        { 23,
            { "类型错误!   ", "长度太短!   ", "长度太长!   ", "错误代码!   ", "没有找到!   ",
                "Press any key..." } },
        { 25, { "F8:Ed F9:Del", "Enter:选择  ", " ESC :取消  " } },
    };
    for (const auto& c : cases) {
        ASSERT_EQ(static_cast<int>(c.lines.size()),
            kMessageBlocks[static_cast<std::size_t>(c.group) + 1].slotCount);
        for (std::size_t l = 0; l < c.lines.size(); ++l)
            EXPECT_EQ(Slot(written, c.group, static_cast<int>(l)), Expected(c.lines[l], 21))
                << c.group << " " << l;
    }
    for (int g = 0; g < kTextGroups; ++g) {
        for (int l = 0; l < GroupLineCount(g, true) && WidthChanges(g); ++l)
            EXPECT_EQ(SlotBytes(texts.line(g, l)).size(), 12) << g << " " << l;
    }
    EXPECT_EQ(Slot(written, 0, 0), Expected("1.收集数据  ", 16)); // fixed-width groups keep theirs
    EXPECT_EQ(GroupName(16, true), QStringLiteral("设置电话号码 (2x12)"));
    EXPECT_EQ(GroupName(1, true), QStringLiteral("系统工具 (8x12)"));
}

TEST(TerminalTexts, ImportTakesTextsAndFontOnlyFromAWholeProjectFile)
{
    Project other;
    NewProject(other);
    SetSlotText(other.messages.slot(21, 0), QStringLiteral("口令:"));
    other.system.allPromptsLarge() = 0;
    const QByteArray file = ProjectFileBytes(other);

    TerminalTexts mine;
    ResetTerminalTexts(mine, true);
    const TerminalTexts before = mine;
    const auto unchanged = [&](const QByteArray& bytes) {
        TerminalTexts texts = before;
        bool large = true;
        const TextImport result = ImportTerminalTexts(bytes, texts, large);
        EXPECT_TRUE(texts.lines == before.lines && large);
        return result;
    };
    QByteArray otherTag = file;
    otherTag[8] = '1';
    QByteArray noNul = file;
    noNul[9] = 'x';
    EXPECT_EQ(unchanged(otherTag), TextImport::WrongFormat);
    EXPECT_EQ(unchanged(noNul), TextImport::WrongFormat);
    EXPECT_EQ(unchanged(file.left(5)), TextImport::WrongFormat);
    EXPECT_EQ(
        unchanged(file.left(static_cast<qsizetype>(kFileMessagesOffset + 100))), TextImport::Incomplete);
    EXPECT_EQ(unchanged(file.left(static_cast<qsizetype>(kFileSystemOffset + 68))), TextImport::Incomplete);

    bool large = true;
    EXPECT_EQ(ImportTerminalTexts(file.left(static_cast<qsizetype>(kFileSystemOffset + 69)), mine, large),
        TextImport::Taken);
    EXPECT_FALSE(large);
    EXPECT_EQ(SlotText(mine.line(20, 0)), QStringLiteral("口令:"));
    EXPECT_EQ(SlotText(mine.line(7, 0)), QStringLiteral("上传端口    "));
    EXPECT_EQ(
        ImportTerminalTextsFile(QStringLiteral("/nonexistent/x.VSK"), mine, large), TextImport::CannotOpen);
}
