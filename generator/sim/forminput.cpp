// The form-input state of the simulator: typing, multi-tap letters, type checks, scrolling,
// continuation lines, the input mark, the sign column, the error screens and the end of a form.
#include "generator/sim/formlayout.h"
#include "generator/sim/simulator.h"
#include "platform/ui/clock.h"

#include <algorithm>
#include <utility>

namespace vosket {
namespace {

    constexpr int kErrorBlock = 24;
    constexpr char kSignPlus = '+';
    constexpr char kSignMinus = '-';

    bool IsDataLine(uint8_t type)
    {
        return type >= kLineText && type <= kLineBoolean;
    }

    // The characters a key gives: one in digit mode, a multi-tap group in alpha mode.
    struct KeyCharacters {
        Key key;
        char digit;
        const char* letters;
    };
    constexpr KeyCharacters kKeyCharacters[] = {
        { Key::One, '1', " " },
        { Key::Two, '2', "ABC" },
        { Key::Three, '3', "DEF" },
        { Key::Four, '4', "GHI" },
        { Key::Five, '5', "JKL" },
        { Key::Six, '6', "MNO" },
        { Key::Seven, '7', "PQRS" },
        { Key::Eight, '8', "TUV" },
        { Key::Nine, '9', "WXYZ" },
        { Key::Zero, '0', "/*" },
        { Key::Minus, '-', "+$" },
        { Key::Point, '.', "%#" },
    };

    const KeyCharacters* CharactersOf(Key key)
    {
        for (const KeyCharacters& k : kKeyCharacters) {
            if (k.key == key)
                return &k;
        }
        return nullptr;
    }

    bool Accepts(uint8_t type, char c)
    {
        const bool digit = c >= '0' && c <= '9';
        switch (type) {
        case kLineText:
        case kLineContinued:
            return true;
        case kLineInteger:
            return digit;
        case kLineReal:
        case kLineAuto:
            return digit || c == '.';
        case kLineLetters:
            return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        case kLineBoolean:
            return QByteArrayView("01FNTY").contains(c);
        default:
            // Lines without input, and type codes no field has.
            return false;
        }
    }

    // The sign a line with a sign column shows, from its lookup choice.
    char SignOf(uint8_t lookup)
    {
        if (lookup >= 17 && lookup <= 24)
            return kSignPlus;
        if (lookup >= 9 && lookup <= 16)
            return kSignMinus;
        return ' ';
    }

    QByteArray Counter(int records)
    {
        return QByteArray::number(records % 10000).rightJustified(4, '0');
    }

    void PutAt(QByteArray& text, int column, char c)
    {
        if (column < 0 || column >= TextScreen::LineCells)
            return;
        if (text.size() <= column)
            text.append(QByteArray(column + 1 - text.size(), ' '));
        text[column] = c;
    }

} // namespace

const FormRecord& Simulator::form() const
{
    return project.forms[static_cast<size_t>(std::clamp(target - 1, 0, Project::kForms - 1))];
}

FormRecord& Simulator::form()
{
    return const_cast<FormRecord&>(std::as_const(*this).form());
}

int Simulator::formLines() const
{
    return form().largeFont() != 0 ? FormRecord::kLines / 2 : FormRecord::kLines;
}

int Simulator::formWidth() const
{
    return formLines() == FormRecord::kLines ? 16 : 12;
}

int Simulator::currentLine()
{
    return std::min<int>(form().currentLine(), formLines() - 1);
}

void Simulator::setInput(int line, QByteArray input)
{
    LineState& state = lines[static_cast<size_t>(line)];
    state.input = std::move(input);
    state.input.truncate(InputCapacity);
    // The line's data slot keeps what fits, with its NUL.
    TextSlot data = form().lineData(line);
    const auto kept
        = static_cast<std::size_t>(std::min<qsizetype>(state.input.size(), qsizetype(data.size()) - 1));
    std::copy_n(state.input.constData(), kept, data.begin());
    data[kept] = 0;
}

void Simulator::openForm(int number)
{
    target = TargetCode::form(number).value;
    FormRecord& f = form();
    const int width = formWidth();
    for (int i = 0; i < FormRecord::kLines; ++i) {
        LineState& line = lines[static_cast<size_t>(i)];
        line = LineState {};
        const int prompt = PromptLength(f, i);
        line.startColumn = prompt;
        if (f.lineType(i) == kLineAuto && prompt + 2 * f.maxLength(i) + 1 <= width) {
            line.sign = true;
            line.startColumn = prompt + f.maxLength(i) + 1;
        }
        line.typingColumn = line.startColumn;
        setInput(i, f.initialOn(i) != 0 ? SlotBytes(f.initialText(i)) : QByteArray());
    }
    int current = 0;
    if (f.lineType(0) == kLineNone || f.lineType(0) > kLineBoolean) {
        for (int i = 1; i < std::min<int>(f.lastDataLine(), formLines()); ++i) {
            if (IsDataLine(f.lineType(i))) {
                current = i;
                break;
            }
        }
    }
    f.currentLine() = static_cast<uint8_t>(current);
    display.setHighlightedLine(0);
    buildFormScreen();
}

// The prompt, the sign column and the input from byte from on.
QByteArray Simulator::lineText(int line, int from)
{
    const LineState& state = lines[static_cast<size_t>(line)];
    QByteArray text = SlotBytes(form().prompt(line));
    if (state.sign) {
        text = text.leftJustified(state.startColumn - 1, ' ', true);
        text += SignOf(form().lineLookup(line));
    }
    return text + state.input.mid(from);
}

void Simulator::showLine(int line, int from)
{
    display.setLine(line, lineText(line, from));
    fillInputMark(line);
}

// The free part of the field, and of up to three continuation lines below, in the mark character.
void Simulator::fillInputMark(int line)
{
    FormRecord& f = form();
    const char mark = static_cast<char>(f.inputMark(line));
    if (mark == 0)
        return;
    const int last = std::min(formLines(), line + 1 + kMaxContinuations);
    for (int i = line; i < last; ++i) {
        if (i > line && f.lineType(i) != kLineContinued)
            break;
        const int start = lines[static_cast<size_t>(i)].startColumn;
        const int end
            = std::min(TextScreen::LineCells, start + std::min<int>(f.maxLength(i), formWidth() - start));
        QByteArray text = display.line(i);
        for (int column = static_cast<int>(text.size()); column < end; ++column)
            PutAt(text, column, mark);
        display.setLine(i, text);
        display.requestRepaint({ ScreenArea::Line, i });
    }
}

// The transfer text, cut to what the screen holds, after the line's prompt and then a split
// width on each continuation line that follows, as far down as the form goes.
void Simulator::fillTransferLine(int line)
{
    FormRecord& f = form();
    const bool large = formLines() != FormRecord::kLines;
    LineState& state = lines[static_cast<size_t>(line)];
    const int room = std::max(0, (large ? 48 : 128) - PromptLength(f, line));
    QByteArray text = transfer.left(room);
    while (text.endsWith(' '))
        text.chop(1);
    state.typingColumn = state.startColumn;
    const int split = large ? 15 : 20;
    // A prompt wider than the split width leaves its own line no text.
    qsizetype from = std::max(0, split - state.startColumn);
    setInput(line, text.left(from));
    for (int below = line + 1; below < formLines() && f.lineType(below) == kLineContinued; ++below) {
        setInput(below, text.mid(from, split));
        from += split;
    }
}

void Simulator::buildFormScreen()
{
    FormRecord& f = form();
    display.setState(TextScreen::FormInput);
    display.setPitch(TextScreen::Pitch::Small);
    for (int i = 0; i < TextScreen::LineCount; ++i) {
        const bool shown = i < formLines() && (i < f.lastDataLine() || f.lineType(i) != kLineNone);
        if (!shown) {
            display.setLine(i, QByteArray());
            continue;
        }
        if (f.lineType(i) == kLineCounter)
            setInput(i, Counter(records));
        else if (f.lineType(i) == kLinePass)
            fillTransferLine(i);
        const int scroll = lines[static_cast<size_t>(i)].scroll;
        display.setLine(i, lineText(i, scroll == 0 ? 0 : scroll - 1));
    }
    placeCursor();
    display.requestRepaint({ ScreenArea::Whole });
    fillInputMark(currentLine());
}

void Simulator::placeCursor()
{
    const int line = currentLine();
    // The cursor stays on the form's line even when the field starts beyond it.
    display.setCursor(QPoint(std::min(lines[static_cast<size_t>(line)].typingColumn, formWidth() - 1), line));
}

void Simulator::formKey(Key key)
{
    switch (key) {
    case Key::Up:
        previousLine();
        return;
    case Key::Escape:
        goTo(form().escapeTarget(), true);
        return;
    case Key::Delete:
        deleteCharacter();
        return;
    case Key::Enter:
    case Key::RightEnter:
        enter();
        return;
    default:
        break;
    }
    const KeyCharacters* characters = CharactersOf(key);
    if (characters == nullptr)
        return;
    if (display.alphaMode())
        multiTap(key);
    else
        typeCharacter(characters->digit);
}

void Simulator::multiTap(Key key)
{
    const QByteArrayView letters(CharactersOf(key)->letters);
    if (display.pendingCharacter() != 0 && key == pendingKey)
        pendingIndex = (pendingIndex + 1) % static_cast<int>(letters.size());
    else
        pendingIndex = 0;
    pendingKey = key;
    pendingTicks = 0;
    display.setPendingCharacter(letters[pendingIndex]);
    display.requestRepaint({ ScreenArea::Cursor });
}

void Simulator::commitPending()
{
    const char c = display.pendingCharacter();
    display.setPendingCharacter(0);
    display.requestRepaint({ ScreenArea::Cursor });
    if (display.state() == TextScreen::FormInput)
        typeCharacter(c);
}

void Simulator::clearInput(int line)
{
    LineState& state = lines[static_cast<size_t>(line)];
    setInput(line, QByteArray());
    state.scroll = 0;
    state.typingColumn = state.startColumn;
}

void Simulator::typeCharacter(char c)
{
    FormRecord& f = form();
    const int current = currentLine();
    LineState& state = lines[static_cast<size_t>(current)];
    if (!Accepts(f.lineType(current), c)) {
        showError(1);
        return;
    }
    if (!state.input.isEmpty() && state.typingColumn == state.startColumn) {
        // Typing on a line just entered replaces its input, and its continuation lines'.
        clearInput(current);
        for (int i = current + 1; i < std::min(formLines(), current + 1 + kMaxContinuations); ++i) {
            if (f.lineType(i) != kLineContinued)
                break;
            clearInput(i);
            display.setLine(i, lineText(i, 0));
        }
        showLine(current, 0);
    }
    const int length = std::min<int>(f.maxLength(current), InputCapacity);
    if (length == 0)
        return;
    const int last = state.startColumn + length - 1;
    const int edge = formWidth() - 1;
    const auto store = [&](int position) {
        QByteArray input = state.input.left(position).leftJustified(position, ' ');
        setInput(current, input + c);
    };
    QByteArray shown = display.line(current);
    if (state.typingColumn >= last) {
        store(length - 1);
        PutAt(shown, std::min(last, edge), c);
        display.setLine(current, shown);
        if (state.typingColumn == last) {
            ++state.typingColumn;
            ++state.scroll;
        }
    } else if (state.typingColumn < edge) {
        store(state.typingColumn - state.startColumn);
        PutAt(shown, state.typingColumn, c);
        display.setLine(current, shown);
        ++state.typingColumn;
        placeCursor();
    } else if (current + 1 < formLines() && f.lineType(current + 1) == kLineContinued) {
        store(state.typingColumn - state.startColumn);
        f.currentLine() = static_cast<uint8_t>(current + 1);
        buildFormScreen();
        return;
    } else {
        store(state.typingColumn - state.startColumn);
        ++state.typingColumn;
        ++state.scroll;
        showLine(current, state.scroll);
    }
    display.requestRepaint({ ScreenArea::Line, current });
}

void Simulator::deleteCharacter()
{
    FormRecord& f = form();
    const int current = currentLine();
    LineState& state = lines[static_cast<size_t>(current)];
    // A line just entered stands at its start, a scrolled one too: the next key starts a new input.
    if (state.typingColumn <= state.startColumn) {
        if (f.lineType(current) != kLineContinued || current == 0)
            return;
        const int above = current - 1;
        const QByteArray input = lines[static_cast<size_t>(above)].input;
        setInput(above, input.chopped(std::min<qsizetype>(1, input.size())));
        f.currentLine() = static_cast<uint8_t>(above);
        buildFormScreen();
        return;
    } else if (state.scroll > 0) {
        --state.scroll;
        --state.typingColumn;
        setInput(current, state.input.chopped(std::min<qsizetype>(1, state.input.size())));
        showLine(current, state.scroll);
    } else {
        setInput(current, state.input.chopped(std::min<qsizetype>(1, state.input.size())));
        --state.typingColumn;
        placeCursor();
        QByteArray shown = display.line(current);
        if (f.inputMark(current) != 0)
            PutAt(shown, state.typingColumn, static_cast<char>(f.inputMark(current)));
        else
            shown.truncate(state.typingColumn);
        display.setLine(current, shown);
    }
    display.requestRepaint({ ScreenArea::Line, current });
}

void Simulator::makeCurrent(int line)
{
    form().currentLine() = static_cast<uint8_t>(line);
    // A line entered again takes the next key as a new input; it keeps its scroll count, so a
    // field longer than its screen line still shows its end.
    lines[static_cast<size_t>(line)].typingColumn = lines[static_cast<size_t>(line)].startColumn;
    buildFormScreen();
}

void Simulator::previousLine()
{
    const FormRecord& f = form();
    int head = currentLine();
    while (head > 0 && f.lineType(head) == kLineContinued)
        --head;
    for (int i = head - 1; i >= 0; --i) {
        if (IsDataLine(f.lineType(i))) {
            makeCurrent(i);
            return;
        }
    }
}

void Simulator::nextLine()
{
    const FormRecord& f = form();
    for (int i = currentLine() + 1; i < std::min<int>(f.lastDataLine(), formLines()); ++i) {
        if (IsDataLine(f.lineType(i))) {
            makeCurrent(i);
            return;
        }
    }
}

void Simulator::enter()
{
    FormRecord& f = form();
    const int current = currentLine();
    if (lines[static_cast<size_t>(current)].input.size() < f.minLength(current)) {
        showError(2);
        return;
    }
    if (current + 1 < std::min<int>(f.lastDataLine(), formLines())) {
        nextLine();
        return;
    }
    records = (records + 1) % 10000;
    if (f.recordAction() == 3) {
        LineInputs inputs;
        for (int i = 0; i < FormRecord::kLines; ++i)
            inputs[static_cast<size_t>(i)] = lines[static_cast<size_t>(i)].input;
        transfer = ComposeRecord(f, project.system, inputs, platform::clock().now());
    }
    goTo(f.nextTarget(), false);
}

void Simulator::showError(int kind)
{
    const QByteArray stars(16, '*');
    display.setLine(4, stars);
    display.setLine(5, SlotBytes(project.messages.slot(kErrorBlock, kind - 1)));
    display.setLine(6, SlotBytes(project.messages.slot(kErrorBlock, 4)));
    display.setLine(7, stars);
    display.setState(TextScreen::ErrorScreen);
    display.setPitch(TextScreen::Pitch::Small);
    display.requestRepaint({ ScreenArea::Whole });
}

} // namespace vosket
