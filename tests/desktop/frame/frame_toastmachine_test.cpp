// The toast's movement: slide in, hold 20 s, slide out, click, closing from outside.
#include "desktop/frame/toastmachine.h"

#include <gtest/gtest.h>

using korvell::ToastMachine;

namespace {

constexpr int screenHeight = 1024;
constexpr int windowHeight = 142;
constexpr int stopLine = screenHeight - windowHeight - ToastMachine::bottomGap;

class ToastMachineTest : public ::testing::Test {
protected:
    void SetUp() override { machine.created(screenHeight, windowHeight); }

    // Ticks of the slide timer until it stops; -1 when it keeps running past limit.
    int ticksUntilStill(int limit = 100)
    {
        for (int ticks = 1; ticks <= limit; ++ticks) {
            machine.advance(ToastMachine::slideIntervalMs);
            if (!machine.slideRunning())
                return ticks;
        }
        return -1;
    }

    // A toast shown and slid in all the way.
    void slideIn()
    {
        machine.show();
        ticksUntilStill();
    }

    ToastMachine machine;
};

} // namespace

TEST_F(ToastMachineTest, CreatedParkedBelowTheScreenThenSlidesInInElevenStepsAndStopsOnTheLine)
{
    EXPECT_EQ(machine.top(), screenHeight);
    EXPECT_EQ(machine.stopLine(), stopLine);
    EXPECT_TRUE(machine.slideRunning());
    EXPECT_TRUE(machine.holdRunning());
    EXPECT_FALSE(machine.meantToShow());

    machine.show();
    machine.advance(ToastMachine::slideIntervalMs);
    EXPECT_EQ(machine.top(), screenHeight - ToastMachine::stepPixels);
    EXPECT_EQ(ticksUntilStill(), 10);
    EXPECT_EQ(machine.top(), stopLine);
    EXPECT_TRUE(machine.holdRunning());
    EXPECT_TRUE(machine.meantToShow());
}

TEST_F(ToastMachineTest, HoldsTwentySecondsFromCreationThenParks)
{
    slideIn();
    machine.advance(ToastMachine::holdIntervalMs - 11 * ToastMachine::slideIntervalMs - 1);
    EXPECT_EQ(machine.top(), stopLine);
    EXPECT_TRUE(machine.meantToShow());

    machine.advance(1);
    EXPECT_FALSE(machine.meantToShow());
    EXPECT_TRUE(machine.slideRunning());
    EXPECT_TRUE(machine.holdRunning()); // the first slide-out step switches it off

    machine.advance(ToastMachine::slideIntervalMs);
    EXPECT_FALSE(machine.holdRunning());
    EXPECT_EQ(machine.top(), stopLine + ToastMachine::stepPixels);
    EXPECT_GT(ticksUntilStill(), 0);
    EXPECT_EQ(machine.top(), screenHeight);
    EXPECT_FALSE(machine.busy());
}

TEST_F(ToastMachineTest, ASecondToastKeepsTheFirstOnesHoldCount)
{
    slideIn();
    machine.advance(15000);
    machine.show(); // new texts; the window is on the line already
    EXPECT_EQ(ticksUntilStill(), 1);
    EXPECT_EQ(machine.top(), stopLine);
    machine.advance(5000);
    EXPECT_FALSE(machine.meantToShow());
}

TEST_F(ToastMachineTest, HoldCountRestartsAfterASlideOut)
{
    slideIn();
    machine.hide();
    ticksUntilStill();
    EXPECT_EQ(machine.top(), screenHeight);
    EXPECT_FALSE(machine.holdRunning());

    slideIn();
    machine.advance(ToastMachine::holdIntervalMs - 11 * ToastMachine::slideIntervalMs);
    EXPECT_TRUE(machine.meantToShow());
    machine.advance(ToastMachine::slideIntervalMs);
    EXPECT_FALSE(machine.meantToShow());
}

TEST_F(ToastMachineTest, ClickWhileSlidingInReversesAtTheNextTick)
{
    machine.show();
    machine.advance(5 * ToastMachine::slideIntervalMs);
    const int reached = machine.top();
    machine.click();
    machine.advance(ToastMachine::slideIntervalMs);
    EXPECT_EQ(machine.top(), reached + ToastMachine::stepPixels);
    EXPECT_FALSE(machine.meantToShow());
    ticksUntilStill();
    EXPECT_EQ(machine.top(), screenHeight);
}

TEST_F(ToastMachineTest, EmptyToastWhileNothingShownChangesNothing)
{
    machine.advance(ToastMachine::slideIntervalMs); // the creation step parks it and stops
    EXPECT_FALSE(machine.slideRunning());
    machine.hide();
    EXPECT_FALSE(machine.slideRunning());
    EXPECT_EQ(machine.top(), screenHeight);

    slideIn();
    machine.hide();
    EXPECT_TRUE(machine.slideRunning());
    ticksUntilStill();
    EXPECT_EQ(machine.top(), screenHeight);
}

TEST_F(ToastMachineTest, ClosedWindowKeepsTheFlagAndSlidesInAgainWhenRecreated)
{
    slideIn();
    machine.destroyed();
    EXPECT_FALSE(machine.busy());
    EXPECT_TRUE(machine.meantToShow());
    machine.advance(60000); // nothing moves while there is no window
    EXPECT_TRUE(machine.meantToShow());

    machine.created(screenHeight, windowHeight);
    EXPECT_EQ(machine.top(), screenHeight);
    machine.show();
    EXPECT_EQ(ticksUntilStill(), 11);
    EXPECT_EQ(machine.top(), stopLine);
}
