// Number texts, spec codes, order-number steps, scale lines, the weight simulation and the line of
// weights not stored: the parts of stock-in that need no database.
#include "desktop/stock/decimaltext.h"
#include "desktop/stock/numbering.h"
#include "desktop/stock/simulatedweight.h"
#include "desktop/stock/unstoredweights.h"
#include "desktop/stock/weightframe.h"
#include "tests/support/fixedclock.h"

#include <gtest/gtest.h>

using namespace korvell;

TEST(NumberText, FifteenSignificantDigitsHideBinaryNoise)
{
    const std::pair<double, const char*> cases[] = { { 1.15 * 100, "115" }, { 0.29 * 100, "29" },
        { 2.01 * 100, "201" }, { 25.36 - 1.2, "24.16" }, { 12.5 - 0.5, "12" }, { 0.5 - 1.2, "-0.7" },
        { 0.0, "0" }, { -0.0, "0" }, { 0.00012, "0.00012" }, { 1234567890123.0, "1234567890123" },
        { 1e20, "100000000000000000000" } };
    for (const auto& [number, text] : cases)
        EXPECT_EQ(numberText(number), text) << text;
}

TEST(NumberText, SevenSignificantDigitsForSingles)
{
    EXPECT_EQ(numberText(70.55f, 7), "70.55");
    EXPECT_EQ(numberText(37.05f, 7), "37.05");
    EXPECT_EQ(numberText(5.3f, 7), "5.3");
    EXPECT_EQ(numberText(99.99f, 7), "99.99");
}

TEST(NumberText, StrictReading)
{
    EXPECT_EQ(numberOf(" 9.80"), 9.8);
    EXPECT_EQ(numberOf("-1"), -1.0);
    for (const char* text : { "", "12.3kg", "1,5", "12.34\r\n12.35", "nan", "inf" })
        EXPECT_FALSE(numberOf(text)) << text;
}

TEST(DecimalSum, AddsExactly)
{
    DecimalSum a;
    EXPECT_EQ(a.text(), "0");
    a.add(25.5);
    a.add(24.5);
    EXPECT_EQ(a.text(), "50");

    DecimalSum b;
    b.add(0.1);
    b.add(0.2);
    EXPECT_EQ(b.text(), "0.3");

    DecimalSum c; // numeric texts, integers and negative values as a database returns them
    c.add(QString("12.3400"));
    c.add(qlonglong(3));
    c.add(QVariant(-0.34));
    EXPECT_EQ(c.text(), "15");

    DecimalSum d;
    EXPECT_FALSE(d.add(QVariant()));
    EXPECT_FALSE(d.add(QString("abc")));
    EXPECT_TRUE(d.add(1.0 / 3));
    EXPECT_TRUE(d.add(1e6));
    EXPECT_EQ(d.text(), "1000000.333333333333333");
}

TEST(DecimalSum, OverflowLeavesTheTotalAsItWas)
{
    DecimalSum sum;
    ASSERT_TRUE(sum.add(QString(34, '9')));
    EXPECT_FALSE(sum.add(QString("0.") + QString(33, '0') + "1"));
    EXPECT_EQ(sum.text(), QString(34, '9'));
    EXPECT_FALSE(Decimal::parse(QString("0.") + QString(40, '0') + "1"));
    EXPECT_EQ(numberText(1e-40), "1e-40");
}

TEST(DecimalSum, ManySmallWeightsStayExact)
{
    DecimalSum sum;
    for (int i = 0; i < 100000; ++i)
        sum.add(0.01);
    EXPECT_EQ(sum.text(), "1000");
}

TEST(Decimal, ParseRejectsWhatIsNoNumber)
{
    EXPECT_EQ(Decimal::parse(" -0012.500 ")->text(), "-12.5");
    EXPECT_EQ(Decimal::parse(".5")->text(), "0.5");
    EXPECT_FALSE(Decimal::parse("."));
    EXPECT_FALSE(Decimal::parse("1.2.3"));
    EXPECT_FALSE(Decimal::parse("1e5"));
    EXPECT_FALSE(Decimal::parse(QString(40, '9')));
}

TEST(SpecCode, SpecificationTimesHundredPaddedToThree)
{
    const std::pair<const char*, const char*> codes[]
        = { { "0.35", "035" }, { "0.05", "005" }, { "1.2", "120" }, { "12", "1200" }, { "1.15", "115" },
              { "0.29", "029" }, { "2.01", "201" }, { "0.055", "5.5" }, { "0", "000" } };
    for (const auto& [spec, code] : codes)
        EXPECT_EQ(SpecCode(spec), code) << spec;
    EXPECT_FALSE(SpecCode("0.35mm"));
    EXPECT_FALSE(SpecCode(""));
}

TEST(SerialNumber, DaySpecCodeSequence)
{
    EXPECT_EQ(ItemSerialNumber(QDate(2006, 8, 10), "035", 10001), "2006081003510001");
    EXPECT_EQ(ItemSerialNumber(QDate(2006, 8, 10), "5.5", 10001), "200608105.510001");
}

TEST(OrderNumbers, PreviousAndNextStayOnTheDay)
{
    EXPECT_EQ(previousOrderNo("2006081010002"), "2006081010001");
    EXPECT_EQ(nextOrderNo("2006081010002"), "2006081010003");
    // From sequence 1 the previous number is sequence 0, which no order bears.
    EXPECT_EQ(previousOrderNo("2006081010001"), "2006081010000");
    EXPECT_EQ(nextOrderNo("20060810100001"), "20060810100002");
    EXPECT_FALSE(previousOrderNo("20060810"));
    EXPECT_FALSE(nextOrderNo("20060810abc"));
    EXPECT_FALSE(nextOrderNo("20060810-5"));
}

// The frame table: which received pieces give which lines and which lines are weights.
struct FrameCase {
    std::vector<QByteArray> chunks;
    QStringList lines; // every completed line, as shown
    QStringList weights; // the lines that pass the frame test
};

class ScaleFrames : public ::testing::TestWithParam<FrameCase> { };

TEST_P(ScaleFrames, LinesAndWeights)
{
    const FrameCase& c = GetParam();
    ScaleLineAssembler assembler;
    QStringList lines, weights;
    for (const QByteArray& chunk : c.chunks)
        for (const QByteArray& line : assembler.feed(chunk)) {
            lines << weightLineText(line);
            if (isWeightFrame(line))
                weights << weightLineText(line);
        }
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(weights, c.weights);
}

INSTANTIATE_TEST_SUITE_P(Table, ScaleFrames,
    ::testing::Values(FrameCase { { "12.34\r\n" }, { "12.34" }, { "12.34" } },
        FrameCase { { "123.4\r\n" }, { "123.4" }, {} }, FrameCase { { "9.80\r\n" }, { "9.80" }, {} },
        FrameCase { { " 9.80\r\n" }, { " 9.80" }, { " 9.80" } },
        FrameCase { { "05.6\r\n" }, { "05.6" }, { "05.6" } },
        FrameCase { { "12.3", "4\r\n" }, { "12.34" }, { "12.34" } },
        FrameCase { { "12.34\r", "\n" }, { "12.34" }, { "12.34" } },
        FrameCase { { "12.34\r\n25.50\r\n" }, { "12.34", "25.50" }, { "12.34", "25.50" } },
        FrameCase { { "12.34\r\n25.5" }, { "12.34" }, { "12.34" } },
        FrameCase { { "#%&\x7f\r\n" }, { "#%&\x7f" }, {} },
        FrameCase { { QByteArray("1\0002.3\r\n", 8) }, { "12.3" }, { "12.3" } },
        FrameCase { { QByteArray("12\0.3\r\n", 7) }, { "12.3" }, { "12.3" } },
        FrameCase { { QByteArray("1\0.3\r\n", 6) }, { "1.3" }, {} }, FrameCase { { "\r\n" }, { "" }, {} },
        FrameCase { { "" }, {}, {} }, FrameCase { { "x" }, {}, {} }));

TEST(ScaleLineAssembler, NoiseWithoutLineEndsStaysBounded)
{
    ScaleLineAssembler assembler;
    for (int i = 0; i < 1000; ++i)
        EXPECT_TRUE(assembler.feed(QByteArray(100, 'x')).isEmpty());
    EXPECT_LE(assembler.pending().size(), ScaleLineAssembler::maxPending);
    // A line after the noise is still recognised.
    const auto lines = assembler.feed("\r\n12.34\r\n");
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[1], "12.34");
}

TEST(ScaleLineAssembler, CrAtTheEndOfTrimmedNoiseStillEndsTheLine)
{
    ScaleLineAssembler assembler;
    assembler.feed(QByteArray(ScaleLineAssembler::maxPending + 10, 'x') + "\r");
    EXPECT_EQ(assembler.feed("\n").size(), 1);
}

// A fragment waits half a second for its rest; after that the next line stands alone.
TEST(ScaleLineAssembler, AFragmentLeftUnfinishedForHalfASecondIsDropped)
{
    const QDateTime start(QDate(2006, 8, 10), QTime(9, 0));
    testsupport::FixedClock clock(start);
    ScaleLineAssembler assembler;
    const auto feedAt = [&](int ms, const QByteArray& chunk) {
        clock.set(start.addMSecs(ms));
        return assembler.feed(chunk);
    };
    EXPECT_TRUE(feedAt(0, "xx").isEmpty());
    EXPECT_EQ(feedAt(1000, "14.00\r\n"), QList<QByteArray> { "14.00" });
    EXPECT_TRUE(feedAt(2000, "25.5").isEmpty());
    EXPECT_EQ(feedAt(2500, "0\r\n"), QList<QByteArray> { "25.50" }) << "joined at the limit";
    // The time counts from the fragment's first byte, not from its latest piece.
    feedAt(3000, "1");
    feedAt(3400, "2.");
    EXPECT_EQ(feedAt(3501, "34\r\n"), QList<QByteArray> { "34" });
    // What a line leaves over starts its own half second.
    EXPECT_EQ(feedAt(4000, "56.00\r\n7"), QList<QByteArray> { "56.00" });
    EXPECT_EQ(feedAt(4400, "8.90\r\n"), QList<QByteArray> { "78.90" });
}

TEST(WeightSimulator, FixedSequenceFromEveryStart)
{
    WeightSimulator sim;
    QStringList texts;
    for (int i = 0; i < 6; ++i)
        texts << WeightSimulator::text(sim.next());
    EXPECT_EQ(texts, QStringList({ "70.55", "53.34", "57.95", "28.95", "30.19", "77.47" }));

    WeightSimulator again;
    EXPECT_EQ(WeightSimulator::text(again.next()), "70.55");
}

TEST(WeightSimulator, StaysInRangeInHundredths)
{
    WeightSimulator sim;
    for (int i = 0; i < 20000; ++i) {
        const float w = sim.next();
        ASSERT_GE(w, 0.0f);
        ASSERT_LE(w, 99.99f);
        const QString t = WeightSimulator::text(w);
        const qsizetype point = t.indexOf('.');
        ASSERT_TRUE(point < 0 || t.size() - point - 1 <= 2) << t.toStdString();
    }
}

TEST(UnstoredWeights, TheLineNamesThreeAndCountsTheRestUntilCleared)
{
    UnstoredWeights lost;
    const std::pair<const char*, const char*> cases[] = {
        { "21.01", "重量21.01的货物没有保存，请重新称重！" },
        { "22.02", "重量21.01、22.02的货物没有保存，请重新称重！" },
        { "23.03", "重量21.01、22.02、23.03的货物没有保存，请重新称重！" },
        { "24.04", "重量21.01、22.02、23.03等4件货物没有保存，请重新称重！" },
    };
    for (const auto& [weight, line] : cases) {
        lost.add(weight);
        EXPECT_EQ(lost.line(), line) << weight;
    }
    EXPECT_EQ(lost.all(), "21.01、22.02、23.03、24.04");
    lost.clear();
    EXPECT_TRUE(lost.isEmpty());
}
