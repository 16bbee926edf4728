// The terminal's own screens: main menu, clock line, system tools, settings, connecting, the
// application start and the restart from the editor.
#include "tests/generator/sim/simfixture.h"

#include "generator/project/projectfile.h"

#include <QSignalSpy>
#include <QTemporaryDir>

using namespace vosket;
using enum vosket::Key;
using simtest::SimulatorTest;

using VosketMainMenu = SimulatorTest;
using VosketClockLine = SimulatorTest;
using VosketSystemScreens = SimulatorTest;

TEST_F(VosketMainMenu, StartsOnTheMainMenuWithLargeLines)
{
    EXPECT_EQ(screen().state(), TextScreen::MainMenu);
    EXPECT_EQ(screen().pitchPixels(), 17);
    EXPECT_EQ(lines(),
        QStringList({ "1.收集数据  ", "2.上传数据  ", "3.系统工具  ", "            ", "", "", "", "" }));
    EXPECT_EQ(sim->currentTarget(), 0);
}

TEST_F(VosketMainMenu, UpAndDownWrapOverTheThreeItemsAndEnterActsOnTheHighlight)
{
    struct Step {
        Key key;
        int highlight;
    };
    screen().setHighlightedLine(0);
    const Step steps[]
        = { { Up, 3 }, { Up, 2 }, { Up, 1 }, { Up, 3 }, { Down, 1 }, { Down, 2 }, { Down, 3 }, { Down, 1 } };
    for (const Step& s : steps) {
        keys({ s.key });
        EXPECT_EQ(screen().highlightedLine(), s.highlight) << "key " << KeyNumber(s.key);
    }
    keys({ Down, Down, Enter });
    EXPECT_EQ(screen().state(), TextScreen::SystemTools);
    keys({ Escape });
    EXPECT_EQ(screen().highlightedLine(), 3) << "escape returns to the system-tools item";
    keys({ Up, RightEnter });
    EXPECT_EQ(screen().state(), TextScreen::Connecting);
    EXPECT_EQ(screen().highlightedLine(), 0);
}

TEST_F(VosketMainMenu, WithNothingToRunTheUserIsToldAndANewProjectIsAsked)
{
    QSignalSpy noProgram(sim.get(), &Simulator::noProgram);
    keys({ One });
    EXPECT_EQ(dialogs.messages, QStringList { "没有可执行程序|请定义您的程序!" });
    EXPECT_EQ(noProgram.size(), 1);
    EXPECT_EQ(screen().state(), TextScreen::MainMenu);

    // A menu start with an empty menu 1, and a form start whose form 1 has lines but no field.
    project.system.startTarget() = 7;
    keys({ One });
    startAtForm();
    testsupport::DefineLine(form(1), 0, kLinePrompt, "HELLO");
    keys({ Enter });
    EXPECT_EQ(noProgram.size(), 3);
}

TEST_F(VosketMainMenu, TheEditorsRestartAndNewProjectsReturnToTheMainMenu)
{
    testsupport::MakeDemoProject(project);
    keys({ One, One, Two, Two });
    ASSERT_EQ(screen().state(), TextScreen::FormInput);
    ASSERT_EQ(text(0), "数量:22");
    keys({ Restart });
    EXPECT_EQ(screen().state(), TextScreen::MainMenu);
    EXPECT_EQ(screen().highlightedLine(), 1);
    EXPECT_EQ(text(0), "1.收集数据  ");

    keys({ One, One, Five, Enter, Enter, Enter, Enter });
    ASSERT_EQ(sim->recordCounter(), 1);
    SetSlotText(project.messages.slot(1, 0), "1.NEW TEXT");
    sim->reset();
    EXPECT_EQ(sim->recordCounter(), 0);
    EXPECT_TRUE(sim->transferText().isEmpty());
    EXPECT_EQ(screen().state(), TextScreen::MainMenu);
    EXPECT_EQ(text(0), "1.NEW TEXT") << "the main menu of the project now loaded";
}

TEST_F(VosketClockLine, BlinksItsColonOnceASecondAndShowsTheCounter)
{
    const std::pair<int, const char*> blinks[] = { { 1, "MAR08 09:05 0000" }, { 3, "MAR08 09:05 0000" },
        { 1, "MAR08 09 05 0000" }, { 4, "MAR08 09 05 0000" } };
    for (const auto& [n, shown] : blinks) {
        ticks(n);
        EXPECT_EQ(screen().clockLine(), shown) << n;
    }
    clock.set(QDateTime(QDate(2014, 12, 31), QTime(23, 59)));
    ticks(1);
    EXPECT_EQ(screen().clockLine(), "DEC31 23:59 0000");

    project.system.formFilesOn() = 1;
    ticks(1);
    EXPECT_EQ(screen().clockLine(), "DEC31 23:59 ") << "no counter when each form has its own file";
}

TEST_F(VosketClockLine, CountsRecordsModuloTenThousandAndStaysOffOtherScreens)
{
    startAtForm();
    testsupport::DefineLine(form(1), 0, kLineText, "A:", 5);
    form(1).nextTarget() = 0;
    for (int i = 0; i < 10001; ++i)
        keys({ One, Enter });
    ticks(1);
    EXPECT_EQ(screen().clockLine(), "MAR08 09:05 0001");

    keys({ Three });
    const QByteArray before = screen().clockLine();
    clock.set(QDateTime(QDate(2013, 3, 8), QTime(10, 0)));
    ticks(1);
    EXPECT_EQ(screen().clockLine(), before) << "the system tools have no clock";
}

TEST_F(VosketClockLine, ATransferFreezesTheTick)
{
    startAtForm();
    testsupport::DefineLine(form(1), 0, kLineLetters, "A:", 5);
    keys({ One, Mode, Two });
    ASSERT_EQ(screen().pendingCharacter(), 'A');
    sim->setTransferRunning(true);
    ticks(20);
    EXPECT_EQ(screen().pendingCharacter(), 'A');
    EXPECT_EQ(form(1).lineData(0)[0], 0) << "nothing typed into the project";
    sim->setTransferRunning(false);
    ticks(7);
    EXPECT_EQ(sim->lineInput(0), "A");
}

TEST_F(VosketSystemScreens, SystemToolsShowSevenItemsUntilLookupFileOneIsDefined)
{
    keys({ Three });
    EXPECT_EQ(screen().state(), TextScreen::SystemTools);
    EXPECT_EQ(screen().pitchPixels(), 12);
    EXPECT_EQ(text(6), "7.内存电池  ");
    EXPECT_EQ(text(7), "");
    keys({ Up });
    EXPECT_EQ(screen().highlightedLine(), 7);
    keys({ Down });
    EXPECT_EQ(screen().highlightedLine(), 1);

    project.lookups[0].recordLength() = 20;
    project.lookups[0].fieldCount() = 2;
    keys({ Escape, Three });
    EXPECT_EQ(text(7), "") << "counted again only when the editor closes with OK";
    sim->LayoutFormLines();
    keys({ Escape, Three, Up });
    EXPECT_EQ(text(7), "8.下载索引  ");
    EXPECT_EQ(screen().highlightedLine(), 8);
}

TEST_F(VosketSystemScreens, SettingsMoveWithinTheirItemsAndEveryChoiceReturns)
{
    keys({ Three, One });
    EXPECT_EQ(screen().state(), TextScreen::SystemSettings);
    EXPECT_EQ(text(0), " [系统设置] ");
    EXPECT_EQ(screen().highlightedLine(), 2);
    keys({ Up });
    EXPECT_EQ(screen().highlightedLine(), 8);
    keys({ Down });
    EXPECT_EQ(screen().highlightedLine(), 2);
    keys({ Down, Down });
    EXPECT_EQ(screen().highlightedLine(), 4);
    for (Key key : { One, Seven, Escape, Enter, RightEnter }) {
        keys({ Three, One, key });
        EXPECT_EQ(screen().state(), TextScreen::SystemTools) << KeyNumber(key);
        EXPECT_EQ(screen().highlightedLine(), 1);
        keys({ Escape });
    }
    keys({ Three, One, Nine });
    EXPECT_EQ(screen().state(), TextScreen::SystemSettings) << "key 9 is no setting";
}

TEST_F(VosketSystemScreens, ConnectingWaitsForEscapeOnly)
{
    keys({ Two });
    EXPECT_EQ(lines(),
        QStringList({ "正在连接... ", "            ", "按 ESC 取消 ", "            ", "", "", "", "" }));
    EXPECT_EQ(screen().pitchPixels(), 17);
    keys({ One, Three, Enter, Up });
    EXPECT_EQ(screen().state(), TextScreen::Connecting);
    keys({ Escape });
    EXPECT_EQ(screen().state(), TextScreen::MainMenu);
    EXPECT_EQ(screen().highlightedLine(), 2);
}

TEST_F(VosketMainMenu, TheDemoApplicationRunsFromItsProjectFile)
{
    QTemporaryDir folder;
    Project made;
    testsupport::MakeDemoProject(made);
    ASSERT_TRUE(SaveProjectAsFile(made, folder.filePath("demo.VSK")));
    ASSERT_EQ(LoadProjectFile(folder.filePath("demo.VSK"), project), FileLoad::Complete);
    sim->reset();
    keys({ One, One, Seven, Enter });
    EXPECT_EQ(text(1), "批号:______");
    EXPECT_EQ(screen().cursor(), QPoint(5, 1));
}
