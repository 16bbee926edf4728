// The editor's rules without widgets: what edits store, byte limits with Chinese text, stamp
// captions, code names and picks.
#include "generator/project/gbk.h"
#include "generator/ui/codepicks.h"
#include "generator/ui/formrules.h"
#include "generator/ui/pagerules.h"

#include <gtest/gtest.h>

using namespace vosket;

namespace {

struct Stored {
    std::optional<int> value;
    std::optional<QString> shown;
};

Stored Of(const EditOutcome& outcome)
{
    return { outcome.store ? std::optional<int>(*outcome.store) : std::nullopt, outcome.replaceText };
}

} // namespace

TEST(FormRules, NumberEditsStoreWithinTheirRangeAndNeverWrap)
{
    const struct {
        const char* text;
        uint8_t type;
        std::optional<int> stored;
        std::optional<QString> shown;
    } lengths[] = {
        { "12", kLineText, 12, std::nullopt },
        { "50", kLineText, 50, std::nullopt },
        { "60", kLineText, std::nullopt, std::nullopt }, // the previous value stays
        { "99999999999999999999999", kLineText, std::nullopt, std::nullopt },
        { "a", kLineText, 0, QStringLiteral("0") },
        { "", kLineText, 0, std::nullopt },
        { "12", kLineBoolean, 1, std::nullopt },
        { "x", kLineBoolean, 1, QStringLiteral("0") },
        { "", kLineBoolean, 0, std::nullopt },
    };
    for (const auto& c : lengths) {
        const Stored s = Of(LengthEdit(QString::fromLatin1(c.text), c.type));
        EXPECT_EQ(s.value, c.stored) << c.text;
        EXPECT_EQ(s.shown, c.shown) << c.text;
    }
    EXPECT_EQ(Of(NumberEdit("255", 255, "1")).value, 255);
    EXPECT_EQ(Of(NumberEdit("256", 255, "1")).value, std::nullopt);
    EXPECT_EQ(Of(NumberEdit("q", 255, "1")).shown, QStringLiteral("1"));
    EXPECT_EQ(Of(NumberEdit("q", 255, "0")).value, 0);
}

TEST(FormRules, SingleCharactersAndByteCutsKeepWholeCharacters)
{
    EXPECT_EQ(Of(SingleCharEdit("-/")).shown, QStringLiteral("-"));
    EXPECT_EQ(Of(SingleCharEdit("-")).value, '-');
    EXPECT_EQ(Of(SingleCharEdit("")).value, 0);
    EXPECT_EQ(Of(SingleCharEdit(QStringLiteral("中"))).shown, QString()); // two bytes fit no byte
    EXPECT_EQ(Of(SingleCharEdit(QStringLiteral("中"))).value, 0);

    EXPECT_EQ(CutToBytes(QStringLiteral("中文中文中文"), 12), std::nullopt);
    EXPECT_EQ(CutToBytes(QStringLiteral("中文中文中文中"), 12), QStringLiteral("中文中文中文"));
    EXPECT_EQ(CutToBytes(QStringLiteral("a中文中文中文"), 12), QStringLiteral("a中文中文中"));
    EXPECT_EQ(CutToBytes(QStringLiteral("abcdefghijklm"), 12), QStringLiteral("abcdefghijkl"));

    FormRecord form;
    form.bytes.fill(0xEE);
    SetFullSlotText(form.leadCode(0), QStringLiteral("ABCDEFG"));
    EXPECT_EQ(SlotBytes(form.leadCode(0)), QByteArray("ABCDEF"));
    EXPECT_EQ(form.bytes[FormRecord::kLeadCode + FormRecord::kLeadCodeWidth], 0xEE); // next line untouched
    SetFullSlotText(form.leadCode(0), QStringLiteral("AB中文"));
    EXPECT_EQ(SlotBytes(form.leadCode(0)), ToGbk(QStringLiteral("AB中文")));
    SetFullSlotText(form.leadCode(0), QStringLiteral("ABC中文"));
    EXPECT_EQ(SlotBytes(form.leadCode(0)), ToGbk(QStringLiteral("ABC中")));
}

TEST(FormRules, StampCaptionsFollowStyleDigitsAndSeparators)
{
    FormRecord form;
    ResetForm(form, 1);
    EXPECT_EQ(DateCaption(form), QStringLiteral("日期格式 : YYYY/MM/DD"));
    EXPECT_EQ(TimeCaption(form), QStringLiteral("时间格式 : HH:MM:SS"));
    form.stampDateStyle() = 2;
    form.stampYearDigits() = 1;
    form.stampDateSeparator() = '-';
    EXPECT_EQ(DateCaption(form), QStringLiteral("日期格式 : DD-MM-YY"));
    form.stampDateSeparatorOn() = 0;
    EXPECT_EQ(DateCaption(form), QStringLiteral("日期格式 : DDMMYY"));
    form.stampDateStyle() = 1;
    form.stampMonth() = 0;
    EXPECT_EQ(DateCaption(form), QStringLiteral("日期格式 : DDYY"));
    form.stampHour() = 0;
    EXPECT_EQ(TimeCaption(form), QStringLiteral("时间格式 : MM:SS"));
}

TEST(CodePicks, NamesCellsAndTheTenCodeLimit)
{
    EXPECT_EQ(CodeAtCell(5, 2), 65); // column "40", row "01"
    EXPECT_EQ(CodeName(65), QStringLiteral("A"));
    EXPECT_EQ(CodeAtCell(8, 9), 120); // column "70", row "08"
    EXPECT_EQ(CodeName(120), QStringLiteral("x"));
    EXPECT_EQ(CodeAtCell(0, 3), -1);
    EXPECT_EQ(CodeAtCell(3, 0), -1);
    EXPECT_EQ(CodeAtCell(17, 1), -1);
    EXPECT_EQ(CodeGridHeading(1, 0), QStringLiteral("00"));
    EXPECT_EQ(CodeGridHeading(2, 0), QStringLiteral("10"));
    EXPECT_EQ(CodeGridHeading(16, 0), QStringLiteral("F0"));
    EXPECT_EQ(CodeGridHeading(0, 1), QStringLiteral("00"));
    EXPECT_EQ(CodeGridHeading(0, 16), QStringLiteral("0F"));
    EXPECT_EQ(CodeGridHeading(0, 0), QString());
    EXPECT_EQ(CodeName(32), QStringLiteral("Space"));
    EXPECT_EQ(CodeName(127), QStringLiteral("DEL"));
    EXPECT_EQ(CodeName(200), QStringLiteral("200"));
    EXPECT_EQ(CodeName(27), QStringLiteral("ESC"));

    CodePicks picks(CodeBuffer { 13, 10 });
    EXPECT_EQ(picks.resultText(), QStringLiteral("[CR][LF]"));
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(picks.pick(static_cast<uint8_t>('0' + i)));
    EXPECT_FALSE(picks.pick('Z'));
    EXPECT_EQ(picks.count(), 10);
    EXPECT_EQ(picks.result()[9], '7');
    EXPECT_EQ(picks.textAtOpening(), QStringLiteral("[CR][LF]"));
    picks.clear();
    EXPECT_EQ(picks.result(), CodeBuffer {});
}

TEST(CodePicks, ATenCodeSlotHasNoTerminatorAndStaysInside)
{
    FormRecord form;
    form.bytes.fill(0xEE);
    CodeBuffer ten;
    ten.fill('A');
    StoreCodes(ten, form.prefix(0));
    EXPECT_EQ(CodesOf(form.prefix(0)), ten);
    EXPECT_EQ(form.bytes[FormRecord::kPrefix + FormRecord::kPrefixWidth], 0xEE);
    EXPECT_EQ(FormatCodeList(CodesOf(form.prefix(0))).count('['), 10);
    StoreCodes(CodeBuffer { 'B' }, form.prefix(0));
    EXPECT_EQ(SlotBytes(form.prefix(0)), QByteArray("B"));
}

TEST(PageRules, TransferFollowsTheSaveOptions)
{
    MenuRecord menu;
    ResetMenu(menu);
    menu.passOn() = 1;
    EXPECT_EQ(UpdateTransferCheck(menu, false).value, 0); // nothing saved: cleared and greyed
    EXPECT_FALSE(UpdateTransferCheck(menu, false).enabled);
    menu.saveSelectedItem() = 1;
    EXPECT_TRUE(UpdateTransferCheck(menu, false).enabled);
    EXPECT_EQ(UpdateTransferCheck(menu, false).value, 1);
    menu.passOn() = 0;
    EXPECT_EQ(UpdateTransferCheck(menu, true).value, 1); // forced on a per-form file
    EXPECT_FALSE(UpdateTransferCheck(menu, true).enabled);
}

TEST(PageRules, SeparatedFieldsAreLaidOutWithoutWrapping)
{
    LookupRecord lookup;
    ResetLookup(lookup);
    lookup.separator() = ',';
    lookup.fieldCount() = 3;
    lookup.fieldLength(0) = 5;
    lookup.fieldLength(1) = 10;
    lookup.fieldLength(2) = 2;
    lookup.fieldOffset(3) = 99;
    LayOutSeparatedFields(lookup);
    EXPECT_EQ(lookup.recordLength(), 19);
    EXPECT_EQ((std::array { lookup.fieldOffset(0), lookup.fieldOffset(1), lookup.fieldOffset(2) }),
        (std::array<uint8_t, 3> { 1, 7, 18 }));
    EXPECT_EQ(lookup.fieldOffset(3), 99); // rows past the count stay as they are
    lookup.fieldCount() = 0;
    LayOutSeparatedFields(lookup);
    EXPECT_EQ(lookup.recordLength(), 0);
    lookup.fieldCount() = 8;
    for (int i = 0; i < 8; ++i)
        lookup.fieldLength(i) = 250;
    LayOutSeparatedFields(lookup);
    EXPECT_EQ(lookup.recordLength(), 250);
}

TEST(PageRules, LengthPairsStayWithinTheirBytes)
{
    EXPECT_EQ(FirstLength("200").value, 127);
    EXPECT_EQ(FirstLength("200").replaceText, std::nullopt); // the edit keeps what was typed
    EXPECT_EQ(FirstLength("").value, 127);
    EXPECT_EQ(FirstLength("x").replaceText, QStringLiteral("127"));
    EXPECT_EQ(SecondLength("").value, 1);
    EXPECT_EQ(SecondLength("y").replaceText, QStringLiteral("1"));
    const LengthPair swapped = FinishLengthPair(true, 20, 30);
    EXPECT_EQ(swapped.second, 20);
    EXPECT_EQ(FinishLengthPair(false, 0, 0).first, 1);
    EXPECT_EQ(FinishLengthPair(false, 0, 0).second, 1);
    EXPECT_EQ(FinishLengthPair(false, 127, 1).second, 1);
}
