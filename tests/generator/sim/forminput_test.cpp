// Typing into a form: field types, multi-tap letters, delete, moving between lines, scrolling,
// continuation lines, the input mark, the sign column, the error screens and a form's end.
#include "tests/generator/sim/simfixture.h"

using namespace vosket;
using simtest::SimulatorTest;
using testsupport::DefineLine;

namespace {

constexpr int kAlpha = 10;
constexpr int kUp = 14;
constexpr int kEscape = 17;
constexpr int kDelete = 18;
constexpr int kEnter = 19;

class VosketFormInput : public SimulatorTest {
protected:
    // Form 1 (small font) started from the main menu with one line of the given type.
    void startWith(uint8_t type, const QString& prompt = "F:", uint8_t maxLength = 10, uint8_t minLength = 0)
    {
        form(1).largeFont() = 0;
        DefineLine(form(1), 0, type, prompt, maxLength, minLength);
        startAtForm();
        keys({ 1 });
        ASSERT_EQ(screen().state(), TextScreen::FormInput);
    }
};

class VosketErrorScreen : public VosketFormInput { };
class VosketFormEnd : public SimulatorTest {
protected:
    void SetUp() override
    {
        SimulatorTest::SetUp();
        testsupport::MakeDemoProject(project);
        keys({ 1, 1 });
    }
};

} // namespace

TEST_F(VosketFormInput, EachFieldTypeTakesItsOwnCharacters)
{
    struct Case {
        uint8_t type;
        std::vector<int> keys; // as pressed, alpha switch included
        QByteArray typed; // what the line then holds; empty when the last character was refused
    };
    const Case cases[] = {
        { kLineText, { 1, 13, 16, kAlpha, 2, 11 }, "1-.A/" },
        { kLineInteger, { 4, 2, 11 }, "420" },
        { kLineInteger, { 4, 16 }, "" },
        { kLineReal, { 3, 16, 5 }, "3.5" },
        { kLineReal, { 3, 13 }, "" },
        { kLineAuto, { 1, 16, 2 }, "1.2" },
        { kLineLetters, { kAlpha, 5, 5, 6 }, "KM" },
        { kLineLetters, { 5 }, "" },
        { kLineBoolean, { 1, 11 }, "10" },
        { kLineBoolean, { kAlpha, 9, 9, 9, 6, 6, 3, 3, 3, 8 }, "YNFT" },
        { kLineBoolean, { 2 }, "" },
        { kLineBoolean, { kAlpha, 9, 9 }, "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << int(c.type) << ", " << c.keys.size() << " keys");
        SetUp();
        startWith(c.type);
        for (int key : c.keys)
            keys({ key });
        ticks(7);
        if (c.typed.isEmpty()) {
            EXPECT_EQ(screen().state(), TextScreen::ErrorScreen);
            EXPECT_EQ(text(5), "Wrong data type!");
        } else {
            EXPECT_EQ(screen().state(), TextScreen::FormInput);
            EXPECT_EQ(sim->lineInput(0), c.typed);
        }
    }
}

TEST_F(VosketFormInput, MultiTapCyclesAndCommitsOnAnotherKeyOrTheSeventhTick)
{
    startWith(kLineText);
    keys({ kAlpha, 7, 7, 7, 7, 7 });
    EXPECT_EQ(screen().pendingCharacter(), 'P') << "four letters, then round again";
    EXPECT_EQ(sim->lineInput(0), "");
    keys({ 8 });
    EXPECT_EQ(sim->lineInput(0), "P");
    EXPECT_EQ(screen().pendingCharacter(), 'T');
    ticks(6);
    EXPECT_EQ(screen().pendingCharacter(), 'T');
    ticks(1);
    EXPECT_EQ(screen().pendingCharacter(), 0);
    EXPECT_EQ(sim->lineInput(0), "PT");
    keys({ 8 });
    EXPECT_EQ(screen().pendingCharacter(), 'T') << "after the time-out the same key starts afresh";
    keys({ 1, 1, 1 });
    EXPECT_EQ(sim->lineInput(0), "PTT");
    EXPECT_EQ(screen().pendingCharacter(), ' ') << "key 1 always gives a blank";
    keys({ kAlpha, 2 });
    EXPECT_EQ(sim->lineInput(0), "PTT 2") << "switching to digits commits the blank";
    EXPECT_EQ(text(0), "F:PTT 2");
    EXPECT_EQ(SlotBytes(form(1).lineData(0)), "PTT 2");
}

TEST_F(VosketFormInput, DeleteTakesBackTheLastCharacterAndShowsTheMark)
{
    startWith(kLineText, "F:", 5);
    keys({ 1, 2, 3, kDelete });
    EXPECT_EQ(sim->lineInput(0), "12");
    EXPECT_EQ(text(0), "F:12");
    EXPECT_EQ(screen().cursor(), QPoint(4, 0));
    keys({ kDelete, kDelete, kDelete });
    EXPECT_EQ(sim->lineInput(0), "");
    EXPECT_EQ(text(0), "F:");

    form(1).inputMark(0) = '_';
    keys({ kEscape, 1 });
    EXPECT_EQ(text(0), "F:_____");
    keys({ 4, 5 });
    EXPECT_EQ(text(0), "F:45___");
    keys({ kDelete });
    EXPECT_EQ(text(0), "F:4____");
}

TEST_F(VosketFormInput, TypingPastTheMaximumReplacesTheLastCharacter)
{
    startWith(kLineText, "F:", 3);
    keys({ 1, 2, 3, 4, 5 });
    EXPECT_EQ(sim->lineInput(0), "125");
    EXPECT_EQ(text(0), "F:125");
    keys({ kDelete });
    EXPECT_EQ(sim->lineInput(0), "12");
    keys({ 6 });
    EXPECT_EQ(text(0), "F:126");
}

TEST_F(VosketFormInput, ALongFieldScrollsAndTheCursorStaysOnTheLine)
{
    startWith(kLineText, "AB:", 30);
    for (int i = 0; i < 14; ++i)
        keys({ 1 + i % 9 });
    EXPECT_EQ(sim->lineInput(0), "12345678912345");
    EXPECT_EQ(text(0), "AB:" + QString("345678912345"));
    EXPECT_EQ(screen().cursor(), QPoint(15, 0));
    keys({ kDelete });
    EXPECT_EQ(text(0), "AB:" + QString("234567891234"));

    // A prompt of 20 bytes leaves the field beyond a 16-byte line: the cursor stays on it.
    SetUp();
    startWith(kLineText, QString(20, 'P'), 5);
    EXPECT_EQ(screen().cursor(), QPoint(15, 0));
    keys({ 7 });
    EXPECT_EQ(sim->lineInput(0), "7");
    EXPECT_EQ(screen().cursor().x(), 15);
}

TEST_F(VosketFormInput, LineDataKeepsFortyNineBytesAndItsNul)
{
    startWith(kLineText, "", 50);
    form(1).lineData(1)[0] = 0;
    for (int i = 0; i < 50; ++i)
        keys({ 1 + i % 9 });
    EXPECT_EQ(sim->lineInput(0).size(), 50);
    EXPECT_EQ(SlotBytes(form(1).lineData(0)), sim->lineInput(0).first(49));
    EXPECT_EQ(form(1).lineData(1)[0], 0) << "the next line's data is untouched";
}

TEST_F(VosketFormInput, ASignLineShowsItsSignBeforeTheField)
{
    struct Case {
        uint8_t lookup;
        const char* shown;
    };
    for (const Case c : { Case { 17, "N:   +12" }, Case { 12, "N:   -12" }, Case { 3, "N:    12" } }) {
        SetUp();
        form(1).lineLookup(0) = c.lookup;
        startWith(kLineAuto, "N:", 3);
        keys({ 1, 2 });
        EXPECT_EQ(text(0), c.shown) << int(c.lookup);
    }
    // Too wide for the sign column: the field follows the prompt.
    SetUp();
    startWith(kLineAuto, "N:", 8);
    keys({ 1, 2 });
    EXPECT_EQ(text(0), "N:12");
}

TEST_F(VosketFormInput, PreviousLineReturnsAndTypingReplacesTheWholeInput)
{
    DefineLine(form(1), 1, kLinePrompt, "--");
    DefineLine(form(1), 2, kLineText, "B:", 5);
    startWith(kLineText, "A:", 5);
    keys({ kUp });
    EXPECT_EQ(screen().cursor(), QPoint(2, 0)) << "nothing above line 1";
    keys({ 1, 2, 3, kEnter });
    EXPECT_EQ(screen().cursor(), QPoint(2, 2)) << "enter skips the prompt line";
    keys({ 4, kUp });
    EXPECT_EQ(screen().cursor(), QPoint(2, 0));
    EXPECT_EQ(text(0), "A:123");
    keys({ 9 });
    EXPECT_EQ(sim->lineInput(0), "9");
    EXPECT_EQ(text(0), "A:9");
    EXPECT_EQ(text(2), "B:4");
}

TEST_F(VosketFormInput, ContinuationLinesCarryALongFieldOnAndBack)
{
    testsupport::MakeDemoProject(project);
    keys({ 1, 1, 5, kEnter, kEnter });
    ASSERT_EQ(screen().cursor(), QPoint(5, 2));
    for (int i = 0; i < 12; ++i)
        keys({ 1 + i % 9 });
    EXPECT_EQ(sim->lineInput(2), "12345678912");
    EXPECT_EQ(sim->lineInput(3), "3");
    EXPECT_EQ(text(2), "备注:12345678912");
    EXPECT_EQ(text(3), "3");
    EXPECT_EQ(screen().cursor(), QPoint(1, 3));
    keys({ kDelete, kDelete });
    EXPECT_EQ(sim->lineInput(3), "");
    EXPECT_EQ(sim->lineInput(2), "1234567891");
    EXPECT_EQ(screen().cursor(), QPoint(15, 2));
    keys({ kUp, 7 });
    EXPECT_EQ(sim->lineInput(1), "") << "up from the continuation goes above its head line";
}

TEST_F(VosketErrorScreen, AShortLineShowsTheSecondErrorAndAnyKeyReturns)
{
    DefineLine(form(1), 1, kLineText, "B:", 5, 0);
    startWith(kLineInteger, "N:", 5, 2);
    keys({ 7, kEnter });
    EXPECT_EQ(screen().state(), TextScreen::ErrorScreen);
    EXPECT_EQ(lines(),
        QStringList({ "N:7", "B:", "", "", "****************", "Data too short!!", "Data not found!!",
            "****************" }));
    keys({ 3 });
    EXPECT_EQ(screen().state(), TextScreen::FormInput);
    EXPECT_EQ(sim->lineInput(0), "7") << "the key only returns to the form";
    keys({ 8, kEnter, kEnter });
    EXPECT_NE(screen().state(), TextScreen::ErrorScreen) << "a minimum of 0 lets an empty line pass";
}

TEST_F(VosketErrorScreen, AFormWithoutFieldsAcceptsNothing)
{
    project.system.startTarget() = 1;
    SetSlotText(menu(1).item(0), "1.EMPTY");
    menu(1).nextTarget(0) = TargetCode::form(3).value;
    DefineLine(form(3), 0, kLinePrompt, "HELLO");
    DefineLine(form(3), 1, 13, "ODD");
    keys({ 1, 1 });
    ASSERT_EQ(screen().state(), TextScreen::FormInput);
    keys({ 5 });
    EXPECT_EQ(text(5), "Wrong data type!");
}

TEST_F(VosketFormEnd, TheRecordIsCountedComposedAndPassedToTheNextForm)
{
    keys({ 4, 2, kEnter, kAlpha, 2, 2, 3, kEnter, kAlpha });
    for (int i = 0; i < 12; ++i)
        keys({ 1 + i % 9 });
    keys({ kEnter });
    EXPECT_EQ(sim->recordCounter(), 1);
    EXPECT_EQ(sim->transferText(), "42,BD,123456789123");
    EXPECT_EQ(sim->currentTarget(), 2);
    EXPECT_EQ(lines(),
        QStringList({ "上一笔:", "42,BD,123456789123", "", "确认(Y/N):", "", "", "", "" }));
    EXPECT_EQ(screen().cursor(), QPoint(10, 3));

    keys({ kAlpha, 9, 9, 9, kEnter });
    EXPECT_EQ(sim->currentTarget(), TargetCode::menu(1).value);
    EXPECT_EQ(sim->recordCounter(), 2) << "every finished form counts";
    keys({ 1 });
    EXPECT_EQ(text(4), "记录:0002");
    EXPECT_EQ(text(0), "数量:") << "the form opens afresh";
}

TEST_F(VosketFormEnd, EscapeShowsTheMenuAsItWasLeft)
{
    keys({ kEscape });
    EXPECT_EQ(sim->currentTarget(), TargetCode::menu(1).value);
    EXPECT_EQ(screen().highlightedLine(), 2);
    keys({ 15, 19 });
    EXPECT_EQ(screen().state(), TextScreen::MainMenu);
}
