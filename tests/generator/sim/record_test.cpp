// The record a form composes: separators, fixed lengths, prefixes and suffixes, continuation
// lines and the date and time stamp, byte for byte.
#include "generator/sim/record.h"
#include "tests/support/demoproject.h"

#include <gtest/gtest.h>

using namespace vosket;
using testsupport::DefineLine;

namespace {

class VosketRecord : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.applyDefaults(1);
        form.largeFont() = 0;
        system.applyDefaults();
        system.fieldSeparator(0) = ',';
        system.fieldSeparator(1) = 0;
    }
    QByteArray compose() { return ComposeRecord(form, system, inputs, now); }

    FormRecord form;
    SystemSettings system;
    LineInputs inputs;
    QDateTime now { QDate(2013, 3, 8), QTime(9, 5, 7) };
};

} // namespace

TEST_F(VosketRecord, LinesJoinWithTheSeparatorsThatAreSet)
{
    DefineLine(form, 0, kLineInteger, "N:");
    DefineLine(form, 1, kLineLetters, "L:");
    inputs = { "12", "AB" };
    EXPECT_EQ(compose(), "12,AB");
    system.fieldSeparator(1) = ';';
    EXPECT_EQ(compose(), "12,;AB");
    system.fieldSeparator(0) = 0;
    EXPECT_EQ(compose(), "12;AB");
}

TEST_F(VosketRecord, EachLineTypeGivesItsOwnData)
{
    DefineLine(form, 0, kLineText, "T:");
    DefineLine(form, 1, kLineContinued, "");
    DefineLine(form, 2, kLinePrompt, "SKIPPED");
    DefineLine(form, 3, kLineFixedData, "FIX");
    DefineLine(form, 4, kLineLookup, "K:");
    DefineLine(form, 5, kLineLookup, "S:");
    form.initialOn(5) = 1;
    DefineLine(form, 6, kLineCounter, "C:");
    inputs = { "AB", "CD", "x", "y", "NOTSAVED", "SAVED", "0001" };
    EXPECT_EQ(compose(), "ABCD,FIX,SAVED");

    form.largeFont() = 1;
    EXPECT_EQ(compose(), "ABCD,FIX") << "a large-font form has four lines";
}

TEST_F(VosketRecord, FixedLengthsFillByTheirJustification)
{
    DefineLine(form, 0, kLineInteger, "N:");
    form.fixedLengthOn(0) = 1;
    form.fixedLength(0) = 5;
    struct Case {
        uint8_t justify;
        QByteArray input;
        QByteArray record;
    };
    const Case cases[] = {
        { 3, "42", "00042" },
        { 1, "42", "   42" },
        { 0, "42", "42   " },
        { 2, "42", "42000" },
        { 0, "1234567", "12345" },
    };
    for (const Case& c : cases) {
        form.justify(0) = c.justify;
        inputs[0] = c.input;
        EXPECT_EQ(compose(), c.record) << int(c.justify);
    }
    form.fixedLength(0) = 0;
    EXPECT_EQ(compose(), "");
}

TEST_F(VosketRecord, PrefixAndSuffixCodesSurroundTheData)
{
    DefineLine(form, 0, kLineText, "A:");
    DefineLine(form, 1, kLineText, "B:");
    form.prefixOn(1) = 1;
    SetSlotText(form.prefix(1), "\x02<");
    form.suffixOn(1) = 1;
    SetSlotText(form.suffix(1), ">\r");
    inputs = { "1", "2" };
    EXPECT_EQ(compose(), "1,\x02<2>\r");
}

TEST_F(VosketRecord, TheStampGoesInFrontOrBehindAsItsFlagsSay)
{
    DefineLine(form, 0, kLineInteger, "N:");
    inputs[0] = "7";
    form.stampPosition() = 2;
    form.stampHour() = form.stampMinute() = form.stampSecond() = 0;
    EXPECT_EQ(compose(), "7,2013/03/08,");
    form.stampSplit() = 0;
    EXPECT_EQ(compose(), "7,2013/03/08");
    form.stampYearDigits() = 1;
    EXPECT_EQ(compose(), "7,13/03/08");
    form.stampDateStyle() = 1;
    EXPECT_EQ(compose(), "7,03/08/13");
    form.stampDateStyle() = 2;
    form.stampDateSeparatorOn() = 0;
    EXPECT_EQ(compose(), "7,080313");
    form.stampMonth() = 0;
    form.stampDateSeparatorOn() = 1;
    EXPECT_EQ(compose(), "7,08/13") << "the separator only between parts written";

    form.stampPosition() = 1;
    form.stampSplit() = 1;
    form.stampYear() = form.stampMonth() = form.stampDay() = 0;
    form.stampHour() = form.stampMinute() = form.stampSecond() = 1;
    EXPECT_EQ(compose(), "09:05:07,7") << "an empty record takes no separator before the stamp";
    form.stampTimeSeparator() = '.';
    form.stampSecond() = 0;
    EXPECT_EQ(compose(), "09.05,7");
}

TEST_F(VosketRecord, TheRecordStaysWithinItsBuffer)
{
    for (int line = 0; line < FormRecord::kLines; ++line) {
        DefineLine(form, line, kLineText, "L:");
        form.prefixOn(line) = form.suffixOn(line) = 1;
        SetSlotText(form.prefix(line), QString(9, 'P'));
        SetSlotText(form.suffix(line), QString(9, 'S'));
        inputs[static_cast<size_t>(line)] = QByteArray(50, 'x');
    }
    form.stampPosition() = 2;
    const QByteArray record = compose();
    EXPECT_EQ(record.size(), kRecordCapacity);
    EXPECT_TRUE(record.startsWith("PPPPPPPPPxxxx"));
}
