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

using VosketErrorScreen = VosketFormInput;

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
            keys(digits(50));
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
        keys(c.keys);
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

// One line typed afresh: what it holds, what the screen shows and where the cursor stands.
TEST_F(VosketFormInput, TypedKeysShowOnTheLine)
{
    struct Case {
        const char* what;
        uint8_t type;
        QString prompt;
        uint8_t maxLength;
        std::vector<Key> keys;
        QByteArray input;
        const char* shown; // nullptr: not looked at
        int cursor = -1; // column on line 0; -1: not looked at
        char mark = 0;
        uint8_t lookup = 0; // 0: as a new project has it
    };
    std::vector<Key> scrolledBack = digits(14);
    scrolledBack.push_back(Delete);
    const Case cases[] = {
        { "delete takes back the last character", kLineText, "F:", 5, { One, Two, Three, Delete }, "12",
            "F:12", 4 },
        { "delete past the start", kLineText, "F:", 5, { One, Two, Three, Delete, Delete, Delete, Delete },
            "", "F:" },
        { "the mark fills the field", kLineText, "F:", 5, {}, "", "F:_____", -1, '_' },
        { "typing over the mark", kLineText, "F:", 5, { Four, Five }, "45", "F:45___", -1, '_' },
        { "delete brings the mark back", kLineText, "F:", 5, { Four, Five, Delete }, "4", "F:4____", -1,
            '_' },
        { "past the maximum the last character is replaced", kLineText, "F:", 3, digits(5), "125", "F:125" },
        { "and deleted as any other", kLineText, "F:", 3, { One, Two, Three, Four, Five, Delete, Six }, "126",
            "F:126" },
        { "a field of maximum 0 takes nothing", kLineText, "F:", 0, { One }, "", "F:" },
        { "a long field scrolls", kLineText, "AB:", 30, digits(14), "12345678912345", "AB:345678912345", 15 },
        { "and scrolls back on delete", kLineText, "AB:", 30, scrolledBack, "1234567891234",
            "AB:234567891234" },
        // A prompt of 20 bytes leaves the field beyond a 16-byte line: the cursor stays on it.
        { "a prompt past the line", kLineText, QString(20, 'P'), 5, {}, "", nullptr, 15 },
        { "typed past the line", kLineText, QString(20, 'P'), 5, { Seven }, "7", nullptr, 15 },
        { "a plus sign", kLineAuto, "N:", 3, { One, Two }, "12", "N:   +12", -1, 0, 17 },
        { "a minus sign", kLineAuto, "N:", 3, { One, Two }, "12", "N:   -12", -1, 0, 12 },
        { "no sign", kLineAuto, "N:", 3, { One, Two }, "12", "N:    12", -1, 0, 3 },
        { "too wide for the sign column", kLineAuto, "N:", 8, { One, Two }, "12", "N:12" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        if (c.mark)
            form(1).inputMark(0) = c.mark;
        if (c.lookup)
            form(1).lineLookup(0) = c.lookup;
        startWith(c.type, c.prompt, c.maxLength);
        keys(c.keys);
        EXPECT_EQ(sim->lineInput(0), c.input);
        if (c.shown) {
            EXPECT_EQ(text(0), c.shown);
        }
        if (c.cursor >= 0) {
            EXPECT_EQ(screen().cursor(), QPoint(c.cursor, 0));
        }
    }
}

TEST_F(VosketFormInput, LineDataKeepsFortyNineBytesAndItsNul)
{
    startWith(kLineText, "", 50);
    form(1).lineData(1)[0] = 0;
    keys(digits(50));
    EXPECT_EQ(sim->lineInput(0).size(), 50);
    EXPECT_EQ(SlotBytes(form(1).lineData(0)), sim->lineInput(0).first(49));
    EXPECT_EQ(form(1).lineData(1)[0], 0) << "the next line's data is untouched";
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

TEST_F(VosketFormInput, AReEnteredLongFieldShowsItsEndAndTheNextKeyReplacesIt)
{
    DefineLine(form(1), 1, kLineText, "AB:", 30);
    DefineLine(form(1), 2, kLineText, "C:", 5);
    startWith(kLineText, "A:", 5);
    keys({ Enter });
    keys(digits(14));
    keys({ Enter });
    const QByteArray tail = "AB:2345678912345"; // from the scroll count - 1
    EXPECT_EQ(text(1), tail);
    for (const std::vector<Key>& back : { std::vector { Up }, std::vector { Up, Up, Enter } }) {
        keys(back);
        EXPECT_EQ(text(1), tail);
        EXPECT_EQ(screen().cursor(), QPoint(3, 1));
        keys({ Delete });
        EXPECT_EQ(text(1), tail) << "delete at the start of a line does nothing";
        EXPECT_EQ(sim->lineInput(1), "12345678912345");
        keys({ Enter });
    }
    keys({ Up, Nine });
    EXPECT_EQ(sim->lineInput(1), "9");
    EXPECT_EQ(text(1), "AB:9");
}

TEST_F(VosketFormInput, ContinuationLinesCarryALongFieldOnAndBack)
{
    testsupport::MakeDemoProject(project);
    keys({ One, One, Five, Enter, Enter });
    ASSERT_EQ(screen().cursor(), QPoint(5, 2));
    keys(digits(12));
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

    keys(digits(10));
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

    SetUp();
    passOn(false, "P:", 2);
    EXPECT_EQ(inputs(),
        QList<QByteArray>({ text.left(18), text.mid(18, 20), text.mid(38, 20), "", "", "", "", "" }))
        << "what is left after the last continuation line is cut off";
    EXPECT_EQ(screen().line(2), text.mid(38, 20));
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
    keys(digits(12));
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
