#include "generator/project/gbk.h"
#include "generator/project/programimage.h"
#include "generator/project/project.h"
#include "generator/project/projectfile.h"
#include "tests/generator/project/goldenfile.h"
#include "tests/generator/project/newatstart.h"

#include <gtest/gtest.h>

using namespace vosket;
using testsupport::NewAtStart;

TEST(NewProject, MatchesTheGoldenFileByteForByte)
{
    const QByteArray golden = testsupport::GoldenNewProjectFile();
    const QByteArray actual = ProjectFileBytes(NewAtStart());
    ASSERT_EQ(actual.size(), 18942);
    for (qsizetype i = 0; i < golden.size(); ++i)
        ASSERT_EQ(static_cast<uint8_t>(actual[i]), static_cast<uint8_t>(golden[i])) << "file offset " << i;
}

TEST(NewProject, KeepsCommSettingsReservedBytesAndSlotTails)
{
    Project p = NewAtStart();
    p.comm.portIndex() = 3;
    p.comm.baudIndex() = 4;
    p.reserved.bytes.fill(0x5A);
    p.forms[4].at(FormRecord::kReserved + 7) = 0x11;
    p.menus[2].at(MenuRecord::kReserved) = 0x22;
    p.lookups[1].at(LookupRecord::kReserved + 99) = 0x33;
    p.system.at(SystemSettings::kReserved + 5) = 0x44;
    p.barcode.at(8) = 0x55;
    p.system.phoneNumber()[5] = 'x'; // behind the slot's NUL
    p.messages.slot(9, 0)[15] = 'y';

    NewProject(p);

    EXPECT_EQ(p.comm.portIndex(), 3);
    EXPECT_EQ(p.comm.baudIndex(), 4);
    EXPECT_EQ(p.reserved.bytes[54], 0x5A);
    EXPECT_EQ(p.forms[4].at(FormRecord::kReserved + 7), 0x11);
    EXPECT_EQ(p.menus[2].at(MenuRecord::kReserved), 0x22);
    EXPECT_EQ(p.lookups[1].at(LookupRecord::kReserved + 99), 0x33);
    EXPECT_EQ(p.system.at(SystemSettings::kReserved + 5), 0x44);
    EXPECT_EQ(p.barcode.at(8), 0x55);
    EXPECT_EQ(p.system.phoneNumber()[5], 'x');
    EXPECT_EQ(p.messages.slot(9, 0)[15], 'y');
}

TEST(BarcodeSettings, ResetGivesTheDefaultsAndKeepsTheKeptBits)
{
    BarcodeSettings b;
    b.bytes.fill(0xFF);
    ResetBarcodeSettings(b);
    const QByteArray expected(
        "\x9B\xC9\x01\xFF\xFF\x2D\x54\x87\xFF\x19\x3D\x20\xFF\x01\xFE\x01\xFF\x01\xFF\x01\x66\x03\x03", 23);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(b.bytes.data()), 23), expected);
    const BarcodeSettings once = b;
    ResetBarcodeSettings(b);
    EXPECT_EQ(b.bytes, once.bytes);

    EXPECT_EQ(b.scanMode(), 6u);
    EXPECT_EQ(b.scanTimeout(), 3);
    const LengthPair interleave = b.lengthPair(BarcodeSettings::kInterleave25Length);
    EXPECT_TRUE(interleave.maxMin);
    EXPECT_EQ(interleave.first, 126);
    EXPECT_EQ(interleave.second, 1);
}

TEST(BarcodeSettings, BitAccessorsTouchOnlyTheirBits)
{
    BarcodeSettings b;
    b.at(11) = 0x10;
    b.setReadRedundancy(3);
    EXPECT_EQ(b.at(11), 0x1C);
    b.setReadRedundancy(1);
    EXPECT_EQ(b.at(11), 0x14);
    b.at(2) = 0x04;
    b.setTelepenOriginal(1);
    EXPECT_EQ(b.at(2), 0x06);
    b.setScanMode(8);
    EXPECT_EQ(b.at(20), 0x80);
}

TEST(NormalizeForms, LargeFontKeepsOnlyLines1To4)
{
    Project p = NewAtStart();
    FormRecord& f = p.forms[0];
    for (int line = 0; line < 8; ++line) {
        f.lineType(line) = kLineText;
        f.lineLookup(line) = 2;
        SetSlotText(f.prompt(line), QStringLiteral("数量"));
    }
    p.forms[1] = f;
    p.forms[1].largeFont() = 0;
    NormalizeForms(p);
    for (int line = 0; line < 8; ++line) {
        const bool kept = line < 4;
        EXPECT_EQ(f.lineType(line), kept ? kLineText : kLineNone) << line;
        EXPECT_EQ(f.lineLookup(line), kept ? 2 : 0) << line;
        EXPECT_EQ(SlotText(f.prompt(line)), kept ? QStringLiteral("数量") : QString()) << line;
        EXPECT_EQ(p.forms[1].lineType(line), kLineText) << "small font keeps line " << line;
    }
}

TEST(NormalizeForms, BringsLengthsIntoRange)
{
    Project p = NewAtStart();
    FormRecord& f = p.forms[3];
    f.maxLength(0) = 60;
    f.minLength(0) = 55;
    f.maxLength(1) = 20;
    f.minLength(1) = 30;
    f.maxLength(2) = 255;
    NormalizeForms(p);
    EXPECT_EQ(f.maxLength(0), 50);
    EXPECT_EQ(f.minLength(0), 50);
    EXPECT_EQ(f.maxLength(1), 20);
    EXPECT_EQ(f.minLength(1), 20);
    EXPECT_EQ(f.maxLength(2), 50);
}

TEST(NormalizeForms, ClearsFieldsByLineType)
{
    const struct {
        uint8_t type;
        bool keepsPrompt;
        bool keepsLookup;
    } lines[] = { { kLinePrompt, true, false }, { kLineContinued, false, false }, { kLineLookup, true, true },
        { 200, true, false } }; // an unknown code loses only the lookup
    Project p = NewAtStart();
    FormRecord& f = p.forms[9];
    for (int line = 0; line < 4; ++line) {
        f.lineType(line) = lines[line].type;
        f.lineLookup(line) = 3;
        SetSlotText(f.prompt(line), QStringLiteral("P"));
    }
    NormalizeForms(p);
    for (int line = 0; line < 4; ++line) {
        EXPECT_EQ(SlotText(f.prompt(line)), lines[line].keepsPrompt ? QStringLiteral("P") : QString())
            << line;
        EXPECT_EQ(f.lineLookup(line), lines[line].keepsLookup ? 3 : 0) << line;
    }
}

TEST(TargetCode, NamesOnlyExistingScreens)
{
    EXPECT_EQ(TargetCode { 0 }.formNumber(), std::nullopt);
    EXPECT_EQ(TargetCode { 0 }.menuNumber(), std::nullopt);
    EXPECT_EQ(TargetCode { 1 }.formNumber(), 1);
    EXPECT_EQ(TargetCode { 10 }.formNumber(), 10);
    EXPECT_EQ(TargetCode { 10 }.menuNumber(), std::nullopt);
    EXPECT_EQ(TargetCode { 11 }.menuNumber(), 1);
    EXPECT_EQ(TargetCode { 20 }.menuNumber(), 10);
    for (uint8_t v : { 21, 99, 255 }) {
        EXPECT_EQ(TargetCode { v }.formNumber(), std::nullopt);
        EXPECT_EQ(TargetCode { v }.menuNumber(), std::nullopt);
    }
}

TEST(CommSettings, OutOfRangeBytesStayButReadAsTheFirstEntry)
{
    Project p = NewAtStart();
    p.comm.portIndex() = 3;
    p.comm.baudIndex() = 2;
    EXPECT_EQ(p.comm.port(), 3);
    EXPECT_EQ(p.comm.baudRate(), 38400);
    p.comm.portIndex() = 6;
    p.comm.baudIndex() = 200;
    EXPECT_EQ(p.comm.port(), 0);
    EXPECT_EQ(p.comm.baudRate(), 115200);
    const QByteArray file = ProjectFileBytes(p);
    EXPECT_EQ(static_cast<uint8_t>(file[10]), 6);
    EXPECT_EQ(static_cast<uint8_t>(file[11]), 200);
}
