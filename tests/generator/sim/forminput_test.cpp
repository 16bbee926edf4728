// Typing into a form: field types, multi-tap letters, delete, moving between lines, scrolling,
// continuation lines, the input mark, the sign column, the error screens and a form's end.
#include "tests/generator/sim/simfixture.h"

using namespace vosket;
using enum vosket::Key;
using simtest::SimulatorTest;
using testsupport::DefineLine;

namespace {

class VosketFormInput : public SimulatorTest {
protected:
    // Form 1 (small font) started from the main menu with one line of the given type.
    void startWith(uint8_t type, const QString& prompt = "F:", uint8_t maxLength = 10, uint8_t minLength = 0)
    {
        form(1).largeFont() = 0;
        DefineLine(form(1), 0, type, prompt, maxLength, minLength);
        startAtForm();
        keys({ One });
        ASSERT_EQ(screen().state(), TextScreen::FormInput);
    }
};

class VosketErrorScreen : public VosketFormInput { };

// Form 1 composes a record of 101 bytes (two lines of 50 digits and a comma) and passes it on
// to form 2, whose line 0 is a pass-on line over the given continuation lines.
class VosketPassOn : public SimulatorTest {
protected:
    QByteArray passOn(bool large, const QString& prompt, int continuations)
    {
        form(1).largeFont() = 0;
        DefineLine(form(1), 0, kLineText, "", 50);
        DefineLine(form(1), 1, kLineText, "", 50);
        form(1).recordAction() = 3;
        form(1).nextTarget() = TargetCode::form(2).value;
        form(2).largeFont() = large ? 1 : 0;
        DefineLine(form(2), 0, kLinePass, prompt);
        for (int line = 1; line <= continuations; ++line)
            DefineLine(form(2), line, kLineContinued, "");
        startAtForm();
        keys({ One });
        for (int line = 0; line < 2; ++line) {
            for (int i = 0; i < 50; ++i)
                keys({ FaceKey(1 + i % 9) });
            keys({ Enter });
        }
        EXPECT_EQ(sim->currentTarget(), 2);
        EXPECT_EQ(sim->transferText().size(), 101);
        return sim->transferText();
    }
    // Lines 0 to 7 as their inputs.
    QList<QByteArray> inputs()
    {
        QList<QByteArray> all;
        for (int line = 0; line < FormRecord::kLines; ++line)
            all << sim->lineInput(line);
        return all;
    }
};
class VosketFormEnd : public SimulatorTest {
protected:
    void SetUp() override
    {
        SimulatorTest::SetUp();
        testsupport::MakeDemoProject(project);
        keys({ One, One });
    }
};

} // namespace

TEST_F(VosketFormInput, EachFieldTypeTakesItsOwnCharacters)
{
    struct Case {
        uint8_t type;
        std::vector<Key> keys; // as pressed, mode switch included
        QByteArray typed; // what the line then holds; empty when the last character was refused
    };
    const Case cases[] = {
        { kLineText, { One, Minus, Point, Mode, Two, Zero }, "1-.A/" },
        { kLineInteger, { Four, Two, Zero }, "420" },
        { kLineInteger, { Four, Point }, "" },
        { kLineReal, { Three, Point, Five }, "3.5" },
        { kLineReal, { Three, Minus }, "" },
        { kLineAuto, { One, Point, Two }, "1.2" },
        { kLineLetters, { Mode, Five, Five, Six }, "KM" },
        { kLineLetters, { Five }, "" },
        { kLineBoolean, { One, Zero }, "10" },
        { kLineBoolean, { Mode, Nine, Nine, Nine, Six, Six, Three, Three, Three, Eight }, "YNFT" },
        { kLineBoolean, { Two }, "" },
        { kLineBoolean, { Mode, Nine, Nine }, "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << int(c.type) << ", " << c.keys.size() << " keys");
        SetUp();
        startWith(c.type);
        for (Key key : c.keys)
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
    keys({ Mode, Seven, Seven, Seven, Seven, Seven });
    EXPECT_EQ(screen().pendingCharacter(), 'P') << "four letters, then round again";
    EXPECT_EQ(sim->lineInput(0), "");
    keys({ Eight });
    EXPECT_EQ(sim->lineInput(0), "P");
    EXPECT_EQ(screen().pendingCharacter(), 'T');
    ticks(6);
    EXPECT_EQ(screen().pendingCharacter(), 'T');
    ticks(1);
    EXPECT_EQ(screen().pendingCharacter(), 0);
    EXPECT_EQ(sim->lineInput(0), "PT");
    keys({ Eight });
    EXPECT_EQ(screen().pendingCharacter(), 'T') << "after the time-out the same key starts afresh";
    keys({ One, One, One });
    EXPECT_EQ(sim->lineInput(0), "PTT");
    EXPECT_EQ(screen().pendingCharacter(), ' ') << "key 1 always gives a blank";
    keys({ Mode, Two });
    EXPECT_EQ(sim->lineInput(0), "PTT 2") << "switching to digits commits the blank";
    EXPECT_EQ(text(0), "F:PTT 2");
    EXPECT_EQ(SlotBytes(form(1).lineData(0)), "PTT 2");
}

TEST_F(VosketFormInput, DeleteTakesBackTheLastCharacterAndShowsTheMark)
{
    startWith(kLineText, "F:", 5);
    keys({ One, Two, Three, Delete });
    EXPECT_EQ(sim->lineInput(0), "12");
    EXPECT_EQ(text(0), "F:12");
    EXPECT_EQ(screen().cursor(), QPoint(4, 0));
    keys({ Delete, Delete, Delete });
    EXPECT_EQ(sim->lineInput(0), "");
    EXPECT_EQ(text(0), "F:");

    form(1).inputMark(0) = '_';
    keys({ Escape, One });
    EXPECT_EQ(text(0), "F:_____");
    keys({ Four, Five });
    EXPECT_EQ(text(0), "F:45___");
    keys({ Delete });
    EXPECT_EQ(text(0), "F:4____");
}

TEST_F(VosketFormInput, TypingPastTheMaximumReplacesTheLastCharacter)
{
    startWith(kLineText, "F:", 3);
    keys({ One, Two, Three, Four, Five });
    EXPECT_EQ(sim->lineInput(0), "125");
    EXPECT_EQ(text(0), "F:125");
    keys({ Delete });
    EXPECT_EQ(sim->lineInput(0), "12");
    keys({ Six });
    EXPECT_EQ(text(0), "F:126");

    SetUp();
    startWith(kLineText, "F:", 0);
    keys({ One });
    EXPECT_EQ(sim->lineInput(0), "") << "a field of maximum 0 takes nothing";
    EXPECT_EQ(text(0), "F:");
}

TEST_F(VosketFormInput, ALongFieldScrollsAndTheCursorStaysOnTheLine)
{
    startWith(kLineText, "AB:", 30);
    for (int i = 0; i < 14; ++i)
        keys({ FaceKey(1 + i % 9) });
    EXPECT_EQ(sim->lineInput(0), "12345678912345");
    EXPECT_EQ(text(0), "AB:" + QString("345678912345"));
    EXPECT_EQ(screen().cursor(), QPoint(15, 0));
    keys({ Delete });
    EXPECT_EQ(text(0), "AB:" + QString("234567891234"));

    // A prompt of 20 bytes leaves the field beyond a 16-byte line: the cursor stays on it.
    SetUp();
    startWith(kLineText, QString(20, 'P'), 5);
    EXPECT_EQ(screen().cursor(), QPoint(15, 0));
    keys({ Seven });
    EXPECT_EQ(sim->lineInput(0), "7");
    EXPECT_EQ(screen().cursor().x(), 15);
}

TEST_F(VosketFormInput, LineDataKeepsFortyNineBytesAndItsNul)
{
    startWith(kLineText, "", 50);
    form(1).lineData(1)[0] = 0;
    for (int i = 0; i < 50; ++i)
        keys({ FaceKey(1 + i % 9) });
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
        keys({ One, Two });
        EXPECT_EQ(text(0), c.shown) << int(c.lookup);
    }
    // Too wide for the sign column: the field follows the prompt.
    SetUp();
    startWith(kLineAuto, "N:", 8);
    keys({ One, Two });
    EXPECT_EQ(text(0), "N:12");
}

TEST_F(VosketFormInput, PreviousLineReturnsAndTypingReplacesTheWholeInput)
{
    DefineLine(form(1), 1, kLinePrompt, "--");
    DefineLine(form(1), 2, kLineText, "B:", 5);
    startWith(kLineText, "A:", 5);
    keys({ Up });
    EXPECT_EQ(screen().cursor(), QPoint(2, 0)) << "nothing above line 1";
    keys({ One, Two, Three, Enter });
    EXPECT_EQ(screen().cursor(), QPoint(2, 2)) << "enter skips the prompt line";
    keys({ Four, Up });
    EXPECT_EQ(screen().cursor(), QPoint(2, 0));
    EXPECT_EQ(text(0), "A:123");
    keys({ Nine });
    EXPECT_EQ(sim->lineInput(0), "9");
    EXPECT_EQ(text(0), "A:9");
    EXPECT_EQ(text(2), "B:4");
}

TEST_F(VosketFormInput, ContinuationLinesCarryALongFieldOnAndBack)
{
    testsupport::MakeDemoProject(project);
    keys({ One, One, Five, Enter, Enter });
    ASSERT_EQ(screen().cursor(), QPoint(5, 2));
    for (int i = 0; i < 12; ++i)
        keys({ FaceKey(1 + i % 9) });
    EXPECT_EQ(sim->lineInput(2), "12345678912");
    EXPECT_EQ(sim->lineInput(3), "3");
    EXPECT_EQ(text(2), "备注:12345678912");
    EXPECT_EQ(text(3), "3");
    EXPECT_EQ(screen().cursor(), QPoint(1, 3));
    keys({ Delete, Delete });
    EXPECT_EQ(sim->lineInput(3), "");
    EXPECT_EQ(sim->lineInput(2), "1234567891");
    EXPECT_EQ(screen().cursor(), QPoint(15, 2));
    keys({ Four, Five });
    ASSERT_EQ(screen().cursor(), QPoint(1, 3));
    keys({ Up });
    EXPECT_EQ(screen().cursor(), QPoint(5, 1)) << "up from the continuation goes above its head line";
}

TEST_F(VosketFormInput, ALargeFontFormHasFourLinesOfTwelve)
{
    form(1).largeFont() = 1;
    DefineLine(form(1), 0, kLineText, "A:", 20);
    DefineLine(form(1), 1, kLineAuto, "N:", 4);
    form(1).lineLookup(1) = 17;
    DefineLine(form(1), 2, kLineAuto, "W:", 5);
    DefineLine(form(1), 3, kLineText, "B:", 5);
    DefineLine(form(1), 7, kLineText, "H:", 5); // kept from a small-font layout
    startAtForm();
    keys({ One });
    ASSERT_EQ(screen().state(), TextScreen::FormInput);
    EXPECT_EQ(lines(), QStringList({ "A:", "N:    +", "W:", "B:", "", "", "", "" }));

    for (int i = 0; i < 10; ++i)
        keys({ FaceKey(1 + i % 9) });
    EXPECT_EQ(text(0), "A:234567891") << "the line scrolls at column 11";
    EXPECT_EQ(screen().cursor(), QPoint(11, 0));
    keys({ Enter, One, Two, Enter, One, Two });
    EXPECT_EQ(text(1), "N:    +12") << "2 + 2 x 4 + 1 fits in 12";
    EXPECT_EQ(text(2), "W:12") << "2 + 2 x 5 + 1 does not";

    form(1).currentLine() = 7; // as a project read while the form is on screen leaves it
    keys({ Three });
    EXPECT_EQ(sim->lineInput(3), "3") << "a current line past the form is its last line";
    EXPECT_EQ(sim->lineInput(7), "");
}

TEST_F(VosketPassOn, TheTextSpreadsOverEveryContinuationLineBelow)
{
    const QByteArray text = passOn(false, "", 5);
    EXPECT_EQ(inputs(),
        QList<QByteArray>({ text.left(20), text.mid(20, 20), text.mid(40, 20), text.mid(60, 20),
            text.mid(80, 20), text.mid(100), "", "" }));
    EXPECT_EQ(screen().line(5), text.mid(100));

    SetUp();
    passOn(false, "P:", 0);
    EXPECT_EQ(sim->lineInput(0), text.left(18)) << "without a continuation line the text is cut at 20";
    EXPECT_EQ(screen().line(0), "P:" + text.left(18));
}

TEST_F(VosketPassOn, ALargeFontFormFitsFortyEightBytesInFifteens)
{
    const QByteArray text = passOn(true, "", 3);
    EXPECT_EQ(inputs(),
        QList<QByteArray>(
            { text.left(15), text.mid(15, 15), text.mid(30, 15), text.mid(45, 3), "", "", "", "" }));

    // A prompt past the split width leaves the head line no text; the rest starts below it.
    SetUp();
    passOn(true, QString(18, 'P'), 2);
    EXPECT_EQ(inputs(), QList<QByteArray>({ "", text.left(15), text.mid(15, 15), "", "", "", "", "" }));
}

TEST_F(VosketErrorScreen, AShortLineShowsTheSecondErrorAndAnyKeyReturns)
{
    DefineLine(form(1), 1, kLineText, "B:", 5, 0);
    startWith(kLineInteger, "N:", 5, 2);
    keys({ Seven, Enter });
    EXPECT_EQ(screen().state(), TextScreen::ErrorScreen);
    EXPECT_EQ(lines(),
        QStringList({ "N:7", "B:", "", "", "****************", "Data too short!!", "Data not found!!",
            "****************" }));
    keys({ Three });
    EXPECT_EQ(screen().state(), TextScreen::FormInput);
    EXPECT_EQ(sim->lineInput(0), "7") << "the key only returns to the form";
    keys({ Eight, Enter, Enter });
    EXPECT_NE(screen().state(), TextScreen::ErrorScreen) << "a minimum of 0 lets an empty line pass";
}

TEST_F(VosketErrorScreen, AFormWithoutFieldsAcceptsNothing)
{
    project.system.startTarget() = 1;
    SetSlotText(menu(1).item(0), "1.EMPTY");
    menu(1).nextTarget(0) = TargetCode::form(3).value;
    DefineLine(form(3), 0, kLinePrompt, "HELLO");
    DefineLine(form(3), 1, 13, "ODD");
    keys({ One, One });
    ASSERT_EQ(screen().state(), TextScreen::FormInput);
    keys({ Five });
    EXPECT_EQ(text(5), "Wrong data type!");
}

TEST_F(VosketFormEnd, TheRecordIsCountedComposedAndPassedToTheNextForm)
{
    keys({ Four, Two, Enter, Mode, Two, Two, Three, Enter, Mode });
    for (int i = 0; i < 12; ++i)
        keys({ FaceKey(1 + i % 9) });
    keys({ Enter });
    EXPECT_EQ(sim->recordCounter(), 1);
    EXPECT_EQ(sim->transferText(), "42,BD,123456789123");
    EXPECT_EQ(sim->currentTarget(), 2);
    EXPECT_EQ(lines(), QStringList({ "上一笔:", "42,BD,123456789123", "", "确认(Y/N):", "", "", "", "" }));
    EXPECT_EQ(screen().cursor(), QPoint(10, 3));

    keys({ Mode, Nine, Nine, Nine, Enter });
    EXPECT_EQ(sim->currentTarget(), TargetCode::menu(1).value);
    EXPECT_EQ(sim->recordCounter(), 2) << "every finished form counts";
    keys({ One });
    EXPECT_EQ(text(4), "记录:0002");
    EXPECT_EQ(text(0), "数量:") << "the form opens afresh";
}

TEST_F(VosketFormEnd, ACorrectedFullFieldHoldsWhatTheScreenShows)
{
    // Back to the quantity and delete: a field typed to its maximum of 4 behaves as a shorter one.
    for (const std::vector<Key>& typed :
        { std::vector { One, Two }, std::vector { One, Two, Three, Four } }) {
        SCOPED_TRACE(typed.size());
        SetUp();
        for (Key key : typed)
            keys({ key });
        keys({ Enter, Up, Delete, Nine });
        EXPECT_EQ(text(0), "数量:9");
        EXPECT_EQ(sim->lineInput(0), "9");
        EXPECT_EQ(screen().cursor(), QPoint(6, 0));
        keys({ Enter, Enter, Enter });
        EXPECT_EQ(sim->transferText(), "9,,");
    }
}

TEST_F(VosketFormEnd, EscapeShowsTheMenuAsItWasLeft)
{
    keys({ Escape });
    EXPECT_EQ(sim->currentTarget(), TargetCode::menu(1).value);
    EXPECT_EQ(screen().highlightedLine(), 2);
    keys({ Down, Enter });
    EXPECT_EQ(screen().state(), TextScreen::MainMenu);
}
