// The terminal's own screens: main menu, clock line, system tools, settings, connecting, the
// application start and the restart from the editor.
#include "tests/generator/sim/simfixture.h"

#include "generator/project/projectfile.h"

#include <QSignalSpy>
#include <QTemporaryDir>

using namespace vosket;
using simtest::SimulatorTest;

namespace {

class VosketMainMenu : public SimulatorTest { };
class VosketClockLine : public SimulatorTest { };
class VosketSystemScreens : public SimulatorTest { };

} // namespace

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
        int key;
        int highlight;
    };
    screen().setHighlightedLine(0);
    const Step steps[] = { { 14, 3 }, { 14, 2 }, { 14, 1 }, { 14, 3 }, { 15, 1 }, { 15, 2 }, { 15, 3 }, { 15, 1 } };
    for (const Step& s : steps) {
        keys({ s.key });
        EXPECT_EQ(screen().highlightedLine(), s.highlight) << "key " << s.key;
    }
    keys({ 15, 15, 19 });
    EXPECT_EQ(screen().state(), TextScreen::SystemTools);
    keys({ 17 });
    EXPECT_EQ(screen().highlightedLine(), 3) << "escape returns to the system-tools item";
    keys({ 14, 20 });
    EXPECT_EQ(screen().state(), TextScreen::Connecting);
    EXPECT_EQ(screen().highlightedLine(), 0);
}

TEST_F(VosketMainMenu, WithNothingToRunTheUserIsToldAndANewProjectIsAsked)
{
    QSignalSpy noProgram(sim.get(), &Simulator::noProgram);
    keys({ 1 });
    EXPECT_EQ(dialogs.messages, QStringList { "没有可执行程序|请定义您的程序!" });
    EXPECT_EQ(noProgram.size(), 1);
    EXPECT_EQ(screen().state(), TextScreen::MainMenu);

    // A menu start with an empty menu 1, and a form start whose form 1 has lines but no field.
    project.system.startTarget() = 7;
    keys({ 1 });
    startAtForm();
    testsupport::DefineLine(form(1), 0, kLinePrompt, "HELLO");
    keys({ 19 });
    EXPECT_EQ(noProgram.size(), 3);
}

TEST_F(VosketMainMenu, TheEditorsRestartAndNewProjectsReturnToTheMainMenu)
{
    testsupport::MakeDemoProject(project);
    keys({ 1, 1, 2, 2 });
    ASSERT_EQ(screen().state(), TextScreen::FormInput);
    ASSERT_EQ(text(0), "数量:22");
    keys({ Simulator::RestartKey });
    EXPECT_EQ(screen().state(), TextScreen::MainMenu);
    EXPECT_EQ(screen().highlightedLine(), 1);
    EXPECT_EQ(text(0), "1.收集数据  ");

    keys({ 1, 1, 5, 19, 19, 19, 19 });
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
    ticks(1);
    EXPECT_EQ(screen().clockLine(), "MAR08 09:05 0000");
    ticks(3);
    EXPECT_EQ(screen().clockLine(), "MAR08 09:05 0000");
    ticks(1);
    EXPECT_EQ(screen().clockLine(), "MAR08 09 05 0000");
    ticks(4);
    EXPECT_EQ(screen().clockLine(), "MAR08 09 05 0000");
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
        keys({ 1, 19 });
    ticks(1);
    EXPECT_EQ(screen().clockLine(), "MAR08 09:05 0001");

    keys({ 3 });
    const QByteArray before = screen().clockLine();
    clock.set(QDateTime(QDate(2013, 3, 8), QTime(10, 0)));
    ticks(1);
    EXPECT_EQ(screen().clockLine(), before) << "the system tools have no clock";
}

TEST_F(VosketClockLine, ATransferFreezesTheTick)
{
    startAtForm();
    testsupport::DefineLine(form(1), 0, kLineLetters, "A:", 5);
    keys({ 1, 10, 2 });
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
    keys({ 3 });
    EXPECT_EQ(screen().state(), TextScreen::SystemTools);
    EXPECT_EQ(screen().pitchPixels(), 12);
    EXPECT_EQ(text(6), "7.内存电池  ");
    EXPECT_EQ(text(7), "");
    keys({ 14 });
    EXPECT_EQ(screen().highlightedLine(), 7);
    keys({ 15 });
    EXPECT_EQ(screen().highlightedLine(), 1);

    project.lookups[0].recordLength() = 20;
    project.lookups[0].fieldCount() = 2;
    keys({ 17, 3 });
    EXPECT_EQ(text(7), "") << "counted again only when the editor closes with OK";
    sim->LayoutFormLines();
    keys({ 17, 3, 14 });
    EXPECT_EQ(text(7), "8.下载索引  ");
    EXPECT_EQ(screen().highlightedLine(), 8);
}

TEST_F(VosketSystemScreens, SettingsMoveWithinTheirItemsAndEveryChoiceReturns)
{
    keys({ 3, 1 });
    EXPECT_EQ(screen().state(), TextScreen::SystemSettings);
    EXPECT_EQ(text(0), " [系统设置] ");
    EXPECT_EQ(screen().highlightedLine(), 2);
    keys({ 14 });
    EXPECT_EQ(screen().highlightedLine(), 8);
    keys({ 15 });
    EXPECT_EQ(screen().highlightedLine(), 2);
    keys({ 15, 15 });
    EXPECT_EQ(screen().highlightedLine(), 4);
    for (int key : { 1, 7, 17, 19, 20 }) {
        keys({ 3, 1, key });
        EXPECT_EQ(screen().state(), TextScreen::SystemTools) << key;
        EXPECT_EQ(screen().highlightedLine(), 1);
        keys({ 17 });
    }
    keys({ 3, 1, 9 });
    EXPECT_EQ(screen().state(), TextScreen::SystemSettings) << "key 9 is no setting";
}

TEST_F(VosketSystemScreens, ConnectingWaitsForEscapeOnly)
{
    keys({ 2 });
    EXPECT_EQ(lines(),
        QStringList({ "正在连接... ", "            ", "按 ESC 取消 ", "            ", "", "", "", "" }));
    EXPECT_EQ(screen().pitchPixels(), 17);
    keys({ 1, 3, 19, 14 });
    EXPECT_EQ(screen().state(), TextScreen::Connecting);
    keys({ 17 });
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
    keys({ 1, 1, 7, 19 });
    EXPECT_EQ(text(1), "批号:______");
    EXPECT_EQ(screen().cursor(), QPoint(5, 1));
}
