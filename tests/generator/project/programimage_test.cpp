#include "generator/project/programimage.h"
#include "generator/project/projectfile.h"
#include "tests/generator/project/goldenfile.h"
#include "tests/generator/project/newatstart.h"

#include <gtest/gtest.h>

using namespace vosket;
using testsupport::NewAtStart;

namespace {

QByteArray Range(const ProgramImage& image, std::size_t offset, std::size_t n)
{
    return QByteArray(reinterpret_cast<const char*>(image.data() + offset), static_cast<qsizetype>(n));
}

QByteArray Slot(ConstTextSlot s)
{
    return QByteArray(reinterpret_cast<const char*>(s.data()), s.size());
}

// Offsets of the settings copy in the image.
constexpr std::size_t kSettings = 18562;

} // namespace

TEST(ProgramImage, ANewProjectGivesTheExpectedImage)
{
    const ProgramImage image = BuildProgramImage(NewAtStart());
    ASSERT_EQ(image.size(), 20000u);
    EXPECT_EQ(Range(image, 16039, 2468), testsupport::PackedNewProjectTexts());
    EXPECT_EQ(image[kSettings + 1], 1); // start at form 1
    EXPECT_EQ(image[kSettings + 5], 1); // upload over the cradle
    EXPECT_EQ(image[kSettings + 28], 1); // 115200 bps
    EXPECT_EQ(image[kSettings + 30], '2');
    EXPECT_EQ(image[kSettings + 32], 2);
    EXPECT_EQ(Range(image, 18830, 1170), QByteArray(1170, '\0'));

    // Blocks before the texts are the file's, without the tag and comm settings.
    const QByteArray file = testsupport::GoldenNewProjectFile();
    EXPECT_EQ(Range(image, 0, 16039), file.mid(12, 16039));
}

TEST(ProgramImage, BlocksLieAtTheirOffsets)
{
    Project p = NewAtStart();
    p.barcode.at(22) = 0xB1;
    p.menus[2].at(5) = 0xB2;
    p.forms[6].at(1100) = 0xB3;
    p.lookups[1].at(121) = 0xB4;
    p.reserved.bytes[0] = 0xB5;
    p.reserved.bytes[54] = 0xB6;
    p.system.promptDuration() = 0xB7;
    p.system.at(267) = 0xB8;
    const ProgramImage image = BuildProgramImage(p);
    EXPECT_EQ(image[22], 0xB1);
    EXPECT_EQ(image[23 + 2 * 350 + 5], 0xB2);
    EXPECT_EQ(image[3523 + 6 * 1215 + 1100], 0xB3);
    EXPECT_EQ(image[15673 + 122 + 121], 0xB4);
    EXPECT_EQ(image[18507], 0xB5);
    EXPECT_EQ(image[18561], 0xB6);
    EXPECT_EQ(image[kSettings + 33], 0xB7);
    EXPECT_EQ(image[18829], 0xB8);
}

TEST(ProgramImage, SettingsGoInTheTerminalsNumbering)
{
    Project p = NewAtStart();
    p.system.startTarget() = 1;
    p.system.uploadPort() = 2;
    p.system.downloadPort() = 1;
    p.system.linkBaud() = 4;
    p.system.backlight() = 1;
    p.system.backlightOffTime() = 9;
    p.system.eraseAfterUpload() = 1;
    p.system.recordPrompt() = 2;
    ProgramImage image = BuildProgramImage(p);
    EXPECT_EQ(image[kSettings + 1], 11);
    EXPECT_EQ(Range(image, kSettings + 27, 6),
        QByteArray("\x02\x05\x02"
                   "9\x02\x03"));
    EXPECT_EQ(image[kSettings + 5], 3);
    EXPECT_EQ(p.system.linkBaud(), 4) << "the project itself is not shifted";

    // Any start byte other than 0 starts at menu 1; bytes wrap.
    p.system.startTarget() = 200;
    p.system.uploadPort() = 255;
    p.system.backlightOffTime() = 255;
    image = BuildProgramImage(p);
    EXPECT_EQ(image[kSettings + 1], 11);
    EXPECT_EQ(image[kSettings + 5], 0);
    EXPECT_EQ(image[kSettings + 30], 47);
}

TEST(ProgramImage, PasswordLettersGoInUpperCase)
{
    Project p = NewAtStart();
    SetSlotText(p.system.password(), QStringLiteral("ab7"));
    ProgramImage image = BuildProgramImage(p);
    EXPECT_EQ(Range(image, kSettings + 46, 12), QByteArray("AB7\0\0\0\0\0\0\0\0\0", 12));
    EXPECT_EQ(SlotText(p.system.password()), QStringLiteral("ab7"));

    // Only the first 10 bytes are converted, and only 'a' to 'z'.
    const QByteArray raw("qwertyuiopzz", 12);
    std::copy(raw.begin(), raw.end(), p.system.password().begin());
    p.system.password()[3] = 0xE1;
    image = BuildProgramImage(p);
    EXPECT_EQ(Range(image, kSettings + 46, 12), QByteArray("QWE\xE1TYUIOPzz", 12));
}

TEST(ProgramImage, UnterminatedSlotsCannotOverrunTheImage)
{
    Project p = NewAtStart();
    p.messages.bytes.fill('A');
    p.reserved.bytes.fill(0x77);
    const ProgramImage image = BuildProgramImage(p);
    std::size_t pos = 16039;
    for (const MessageBlock& m : kMessageBlocks) {
        for (int s = 0; s < m.slotCount; ++s) {
            EXPECT_EQ(Range(image, pos, m.width), QByteArray(m.width - 1, 'A') + '\0');
            pos += m.width;
        }
    }
    EXPECT_EQ(pos, 18507u);
    EXPECT_EQ(Range(image, 18507, 55), QByteArray(55, '\x77'));
    EXPECT_EQ(Range(image, 18830, 1170), QByteArray(1170, '\0'));
}

TEST(ProgramImage, APackedSlotNeverEndsInHalfACharacter)
{
    Project p = NewAtStart();
    const QByteArray text = QByteArray(14, 'A') + testsupport::Gbk("应");
    std::copy(text.begin(), text.end(), p.messages.slot(0, 0).begin()); // 16 bytes, no NUL
    const ProgramImage image = BuildProgramImage(p);
    EXPECT_EQ(Range(image, 16039, 16), QByteArray(14, 'A') + " " + '\0');
}

TEST(PadMenuStrings, PadsItemsAndCountsThem)
{
    Project p = NewAtStart();
    MenuRecord& m = p.menus[0];
    SetSlotText(m.item(0), QStringLiteral("A"));
    PadMenuStrings(p);
    EXPECT_EQ(Slot(m.item(0)).left(13), QByteArray("A           \0", 13));
    for (int i = 1; i < 10; ++i)
        EXPECT_EQ(Slot(m.item(i)).left(13), QByteArray("            \0", 13));
    EXPECT_EQ(m.itemCount(), 1);

    // Padded twice: the same bytes, the same count.
    const MenuRecord once = m;
    PadMenuStrings(p);
    EXPECT_EQ(m.bytes, once.bytes);
}

TEST(PadMenuStrings, CountsItemsWithAVisibleByte)
{
    Project p = NewAtStart();
    MenuRecord& m = p.menus[4];
    m.largeFont() = 0;
    SetSlotText(m.item(0), QStringLiteral("    "));
    SetSlotText(m.item(1), QStringLiteral("收集"));
    SetSlotText(m.item(2), QStringLiteral("  x"));
    // Visible only behind the 16th byte: not counted, and cut.
    const QByteArray late = QByteArray(16, ' ') + "Z";
    std::copy(late.begin(), late.end(), m.item(3).begin());
    m.item(3)[17] = 0;
    PadMenuStrings(p);
    EXPECT_EQ(m.itemCount(), 2);
    EXPECT_EQ(Slot(m.item(1)).left(17), testsupport::Gbk("收集") + QByteArray(12, ' ') + '\0');
    EXPECT_EQ(Slot(m.item(3)).left(17), QByteArray(16, ' ') + '\0');
}

TEST(PadMenuStrings, PadsTheTitleOnlyWhenItIsShown)
{
    Project p = NewAtStart();
    SetSlotText(p.menus[0].title(), QStringLiteral("菜单"));
    p.menus[1] = p.menus[0];
    p.menus[1].titleOn() = 1;
    SetSlotText(p.menus[2].title(), QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
    p.menus[2].titleOn() = 1;
    PadMenuStrings(p);
    EXPECT_EQ(SlotBytes(p.menus[0].title()), testsupport::Gbk("菜单"));
    EXPECT_EQ(SlotBytes(p.menus[1].title()), testsupport::Gbk("菜单") + QByteArray(8, ' '));
    EXPECT_EQ(SlotBytes(p.menus[2].title()), QByteArray("ABCDEFGHIJKL"));
}

TEST(PadMenuStrings, WorksOutTheLastDataLine)
{
    Project p = NewAtStart();
    p.forms[0].lineType(0) = kLineText;
    p.forms[0].lineType(1) = kLinePrompt;
    p.forms[0].lineType(2) = kLineBoolean;
    p.forms[1].lineType(3) = kLineLookup;
    p.forms[2].lineType(7) = kLineText;
    p.forms[3].lineType(0) = kLineContinued;
    p.forms[3].lineLookup(0) = 2;
    SetSlotText(p.forms[3].prompt(0), QStringLiteral("x"));
    p.modified = true;
    PadMenuStrings(p);
    EXPECT_EQ(p.forms[0].lastDataLine(), 3);
    EXPECT_EQ(p.forms[1].lastDataLine(), 0);
    EXPECT_EQ(p.forms[2].lastDataLine(), 8);
    EXPECT_EQ(p.forms[3].lineLookup(0), 0);
    EXPECT_EQ(SlotText(p.forms[3].prompt(0)), QString());
    EXPECT_TRUE(p.modified);
}
