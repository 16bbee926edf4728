// The editor's layout of form lines: continuation lengths, cleared lines, the system-tools count.
#include "generator/sim/formlayout.h"
#include "tests/support/demoproject.h"

#include <gtest/gtest.h>

using namespace vosket;
using testsupport::DefineLine;

namespace {

class VosketFormLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        NewProject(project);
        f.largeFont() = 0;
    }
    Project project;
    FormRecord& f = project.forms[0];
};

} // namespace

TEST_F(VosketFormLayout, ALongFieldSpreadsOverItsContinuationLines)
{
    struct Case {
        const char* name;
        QString prompt;
        uint8_t maxLength;
        uint8_t second, third;
    };
    const Case cases[] = {
        { "six and forty", "ABCDEF", 40, 30, 14 },
        { "fits on one line", "AB", 5, 0, 0 },
        { "longer than a line holds", QString(20, 'P'), 50, 50, 38 },
        { "a Chinese prompt counts its bytes", QStringLiteral("数量数量:"), 40, 33, 17 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DefineLine(f, 0, kLineText, c.prompt, c.maxLength);
        f.autoLineFeed(0) = 2;
        f.inputMark(0) = '_';
        DefineLine(f, 1, kLineContinued, "");
        DefineLine(f, 2, kLineContinued, "");
        LayoutForms(project);
        EXPECT_EQ(f.maxLength(1), c.second);
        EXPECT_EQ(f.maxLength(2), c.third);
        for (int line : { 1, 2 }) {
            EXPECT_EQ(f.autoLineFeed(line), 2);
            EXPECT_EQ(f.inputMark(line), '_');
        }
    }
}

TEST_F(VosketFormLayout, LinesWithoutAFieldLoseTheirAttributes)
{
    DefineLine(f, 0, kLineNone, "", 20, 5);
    DefineLine(f, 1, kLineContinued, "", 20, 5);
    DefineLine(f, 2, kLinePrompt, "KEEP", 20, 5);
    for (int line = 0; line < 3; ++line) {
        SetSlotText(f.prompt(line), "X");
        f.prefixOn(line) = 1;
        SetSlotText(f.lineData(line), "DATA");
        f.partialMaxLength(line) = 7;
        f.inputMark(line) = '*';
        f.autoLineFeed(line) = 0;
    }
    LayoutForms(project);
    for (int line : { 0, 1 }) {
        EXPECT_EQ(f.prompt(line)[0], 0);
        EXPECT_EQ(f.prefixOn(line), 0);
        EXPECT_EQ(f.lineData(line)[0], 0);
        EXPECT_EQ(f.minLength(line), 0);
        EXPECT_EQ(f.partialMaxLength(line), 20);
    }
    EXPECT_EQ(f.maxLength(0), 50);
    EXPECT_EQ(f.autoLineFeed(0), 1);
    EXPECT_EQ(f.inputMark(0), 0);
    EXPECT_EQ(f.maxLength(1), 20) << "a continuation without a head keeps its length";
    EXPECT_EQ(f.inputMark(1), '*');
    EXPECT_EQ(SlotText(f.prompt(2)), "X") << "a prompt line is not touched";
    EXPECT_EQ(f.prefixOn(2), 1);
}

TEST_F(VosketFormLayout, ALargeFontFormUsesItsFirstFourLinesOnly)
{
    f.largeFont() = 1;
    DefineLine(f, 3, kLineText, "ABC", 20);
    DefineLine(f, 4, kLineContinued, "", 33);
    DefineLine(f, 5, kLineNone, "", 9);
    SetSlotText(f.lineData(5), "KEPT");
    LayoutForms(project);
    EXPECT_EQ(f.maxLength(4), 33);
    EXPECT_EQ(f.maxLength(5), 9);
    EXPECT_EQ(SlotText(f.lineData(5)), "KEPT");
    EXPECT_EQ(f.maxLength(0), 50);
}

TEST_F(VosketFormLayout, TheSystemToolsShowEightItemsOnceLookupFileOneIsDefined)
{
    EXPECT_EQ(SystemToolsItemCount(project), 7);
    project.lookups[0].recordLength() = 10;
    EXPECT_EQ(SystemToolsItemCount(project), 7);
    project.lookups[0].fieldCount() = 1;
    EXPECT_EQ(SystemToolsItemCount(project), 8);
    project.lookups[0].recordLength() = 0;
    project.lookups[1].recordLength() = project.lookups[1].fieldCount() = 3;
    EXPECT_EQ(SystemToolsItemCount(project), 7);
}
