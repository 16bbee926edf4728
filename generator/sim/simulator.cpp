#include "generator/sim/simulator.h"

#include "generator/sim/formlayout.h"
#include "platform/ui/clock.h"
#include "platform/ui/dialogs.h"

#include <algorithm>

namespace vosket {
namespace {

    // Message blocks of the terminal's own screens.
    constexpr int kMainMenuBlock = 1;
    constexpr int kSystemToolsBlock = 2;
    constexpr int kSettingsBlock = 7;
    constexpr int kConnectingBlock = 22;

    constexpr int kMainMenuItems = 3;
    constexpr int kSettingsLines = 8;
    constexpr int kTicksPerSecond = 10;

    bool IsEnter(Key key)
    {
        return key == Key::Enter || key == Key::RightEnter;
    }

    // The item a key chooses on a menu: keys 1-9, and the 0 key for item 10; 0 for other keys.
    int ChosenItem(Key key)
    {
        if (key >= Key::One && key <= Key::Nine)
            return KeyNumber(key);
        return key == Key::Zero ? 10 : 0;
    }

    // Whether an item shows anything within the menu's line width.
    bool HoldsText(ConstTextSlot item, std::size_t width)
    {
        const QByteArray text = SlotBytes(item).left(static_cast<qsizetype>(width));
        return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<uint8_t>(c) > ' '; });
    }

    QByteArray ClockLine(const QDateTime& now, int tick, bool showCounter, int counter)
    {
        static constexpr const char* months[]
            = { "JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC" };
        const auto two = [](int n) { return QByteArray::number(n).rightJustified(2, '0'); };
        // The colon blinks: on for the first half of each second.
        const char colon = tick < kTicksPerSecond / 2 ? ':' : ' ';
        QByteArray line = months[now.date().month() - 1] + two(now.date().day()) + ' '
            + two(now.time().hour()) + colon + two(now.time().minute()) + ' ';
        if (showCounter)
            line += QByteArray::number(counter % 10000).rightJustified(4, '0');
        return line;
    }

} // namespace

Simulator::Simulator(Project& p, QObject* parent)
    : QObject(parent)
    , project(p)
{
    display.setHighlightedLine(1);
    ShowMainMenuScreen(true);
}

void Simulator::SimulatorKey(Key key)
{
    if (display.pendingCharacter() != 0 && key != previousKey)
        commitPending();
    previousKey = key;
    if (key == Key::Restart) {
        display.setHighlightedLine(1);
        ShowMainMenuScreen(true);
        return;
    }
    switch (display.state()) {
    case TextScreen::MainMenu:
        mainMenuKey(key);
        return;
    case TextScreen::UserMenu:
        menuKey(key);
        return;
    case TextScreen::FormInput:
        if (key != Key::Down)
            formKey(key);
        return;
    case TextScreen::SystemTools:
        systemToolsKey(key);
        return;
    case TextScreen::SystemSettings:
        settingsKey(key);
        return;
    case TextScreen::Connecting:
        if (key == Key::Escape) {
            display.setHighlightedLine(2);
            ShowMainMenuScreen(true);
        }
        return;
    case TextScreen::ErrorScreen:
        buildFormScreen();
        return;
    }
}

void Simulator::tick()
{
    if (transferRunning)
        return;
    clockTicks = (clockTicks + 1) % kTicksPerSecond;
    if (display.state() == TextScreen::MainMenu) {
        display.setClockLine(
            ClockLine(platform::clock().now(), clockTicks, project.system.formFilesOn() == 0, records));
        display.requestRepaint({ ScreenArea::Clock });
    }
    if (display.pendingCharacter() != 0 && ++pendingTicks >= 7)
        commitPending();
}

void Simulator::reset()
{
    records = 0;
    transfer.clear();
    display.setPendingCharacter(0);
    previousKey = Key::None;
    display.setHighlightedLine(1);
    ShowMainMenuScreen(true);
}

void Simulator::LayoutFormLines()
{
    systemToolsItems = SystemToolsItemCount(project);
    LayoutForms(project);
}

void Simulator::showGroup(int state, int block, int count, TextScreen::Pitch pitch)
{
    for (int i = 0; i < TextScreen::LineCount; ++i)
        display.setLine(i, i < count ? SlotBytes(project.messages.slot(block, i)) : QByteArray());
    display.setState(state);
    display.setPitch(pitch);
    display.setAlphaMode(false);
}

void Simulator::ShowMainMenuScreen(bool fullRepaint)
{
    showGroup(TextScreen::MainMenu, kMainMenuBlock, 4, TextScreen::Pitch::Large);
    target = 0;
    display.requestRepaint({ fullRepaint ? ScreenArea::Whole : ScreenArea::AboveClock });
}

void Simulator::showSystemTools()
{
    showGroup(TextScreen::SystemTools, kSystemToolsBlock, systemToolsItems, TextScreen::Pitch::Small);
    display.requestRepaint({ ScreenArea::Whole });
}

void Simulator::showSettings()
{
    showGroup(TextScreen::SystemSettings, kSettingsBlock, kSettingsLines, TextScreen::Pitch::Small);
    display.requestRepaint({ ScreenArea::Whole });
}

void Simulator::showConnecting()
{
    showGroup(TextScreen::Connecting, kConnectingBlock, 4, TextScreen::Pitch::Large);
    display.requestRepaint({ ScreenArea::Whole });
}

void Simulator::mainMenuKey(Key key)
{
    const int highlight = display.highlightedLine();
    if (IsEnter(key)) {
        if (highlight >= 1 && highlight <= kMainMenuItems)
            mainMenuKey(FaceKey(highlight));
        return;
    }
    switch (key) {
    case Key::One:
        runApplication();
        return;
    case Key::Two:
        display.setHighlightedLine(0);
        showConnecting();
        return;
    case Key::Three:
        display.setHighlightedLine(1);
        showSystemTools();
        return;
    case Key::Up:
        display.setHighlightedLine(highlight <= 1 ? kMainMenuItems : highlight - 1);
        ShowMainMenuScreen(false);
        return;
    case Key::Down:
        display.setHighlightedLine(highlight >= kMainMenuItems ? 1 : highlight + 1);
        ShowMainMenuScreen(false);
        return;
    default:
        return;
    }
}

void Simulator::systemToolsKey(Key key)
{
    const int highlight = display.highlightedLine();
    if (key == Key::One || (IsEnter(key) && highlight == 1)) {
        display.setHighlightedLine(2);
        showSettings();
    } else if (key == Key::Up) {
        display.setHighlightedLine(highlight <= 1 ? systemToolsItems : highlight - 1);
        showSystemTools();
    } else if (key == Key::Down) {
        display.setHighlightedLine(highlight >= systemToolsItems ? 1 : highlight + 1);
        showSystemTools();
    } else if (key == Key::Escape) {
        display.setHighlightedLine(3);
        ShowMainMenuScreen(true);
    }
}

void Simulator::settingsKey(Key key)
{
    const int highlight = display.highlightedLine();
    if ((key >= Key::One && key <= Key::Seven) || key == Key::Escape || IsEnter(key)) {
        display.setHighlightedLine(1);
        showSystemTools();
    } else if (key == Key::Up) {
        display.setHighlightedLine(highlight <= 2 ? kSettingsLines : highlight - 1);
        showSettings();
    } else if (key == Key::Down) {
        display.setHighlightedLine(highlight < 2 || highlight >= kSettingsLines ? 2 : highlight + 1);
        showSettings();
    }
}

void Simulator::prepareProject()
{
    for (MenuRecord& m : project.menus) {
        int count = 0;
        for (int i = 0; i < MenuRecord::kItems; ++i)
            count += HoldsText(m.item(i), m.lineWidth());
        m.itemCount() = static_cast<uint8_t>(count);
    }
    for (FormRecord& f : project.forms) {
        f.clearUnusedLineFields();
        f.lastDataLine() = f.computeLastDataLine();
    }
}

void Simulator::runApplication()
{
    prepareProject();
    const bool startsAtMenu = project.system.startTarget() != 0;
    if (startsAtMenu && project.menus[0].itemCount() > 0) {
        showMenu(1, true);
        return;
    }
    if (!startsAtMenu && project.forms[0].lastDataLine() > 0) {
        openForm(1);
        return;
    }
    platform::dialogs().message(QStringLiteral("请定义您的程序!"), QStringLiteral("没有可执行程序"),
        platform::Buttons::Ok, platform::Icon::Warning);
    emit noProgram();
}

MenuRecord& Simulator::menu()
{
    return project.menus[static_cast<size_t>(std::clamp(target - 11, 0, Project::kMenus - 1))];
}

void Simulator::showMenu(int number, bool afresh)
{
    target = TargetCode::menu(number).value;
    MenuRecord& m = menu();
    if (afresh) {
        m.currentItem() = 0;
        m.menuSimState() = 0;
    }
    const bool titled = m.titleOn() != 0;
    const int first = titled ? 1 : 0;
    const int shown = std::min<int>(m.itemCount(), TextScreen::LineCount - first);
    for (int i = 0; i < TextScreen::LineCount; ++i) {
        QByteArray text;
        if (titled && i == 0)
            text = SlotBytes(m.title());
        else if (i - first < shown)
            text = SlotBytes(m.item(i - first));
        display.setLine(i, text);
    }
    display.setHighlightedLine(m.currentItem() + 1 + first);
    display.setState(TextScreen::UserMenu);
    display.setPitch(TextScreen::Pitch::Small);
    display.requestRepaint({ ScreenArea::Whole });
}

void Simulator::menuKey(Key key)
{
    MenuRecord& m = menu();
    const int items = std::min<int>(m.itemCount(), MenuRecord::kItems);
    // Only items on screen can be highlighted: 7 under a title, else 8.
    const int selectable = std::min(items, TextScreen::LineCount - (m.titleOn() != 0 ? 1 : 0));
    const int selected = m.currentItem();
    const int number = target - 10;
    if (const int chosen = ChosenItem(key); chosen != 0) {
        if (chosen <= items) {
            m.currentItem() = static_cast<uint8_t>(chosen - 1);
            goTo(m.nextTarget(chosen - 1), false);
        }
    } else if (key == Key::Up) {
        if (selected > 0) {
            m.currentItem() = static_cast<uint8_t>(std::min(selected, selectable) - 1);
            showMenu(number, false);
        }
    } else if (key == Key::Down) {
        if (selected + 1 < selectable) {
            m.currentItem() = static_cast<uint8_t>(selected + 1);
            showMenu(number, false);
        }
    } else if (key == Key::Escape) {
        goTo(m.escapeTarget(), true);
    } else if (IsEnter(key) && selected < MenuRecord::kItems) {
        goTo(m.nextTarget(selected), false);
    }
}

void Simulator::goTo(uint8_t code, bool escaping)
{
    const TargetCode to { code };
    if (const auto formNumber = to.formNumber()) {
        openForm(*formNumber);
    } else if (const auto menuNumber = to.menuNumber()) {
        showMenu(*menuNumber, !escaping);
    } else {
        // The main menu, and any code that names no screen.
        display.setHighlightedLine(1);
        ShowMainMenuScreen(true);
    }
}

} // namespace vosket
