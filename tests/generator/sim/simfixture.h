#pragma once
// A simulator on a new project with a fixed clock and scripted dialogs; keys go in as the face
// sends them (the face flips the mode while a field is typed).
#include "generator/project/gbk.h"
#include "generator/sim/simulator.h"
#include "tests/support/demoproject.h"
#include "tests/support/fixedclock.h"
#include "tests/support/scripteddialogs.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace simtest {

class SimulatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        vosket::ResetBarcodeSettings(project.barcode);
        vosket::NewProject(project);
        sim = std::make_unique<vosket::Simulator>(project);
    }

    vosket::TextScreen& screen() { return sim->screen(); }

    void keys(const std::vector<vosket::Key>& pressed)
    {
        for (vosket::Key key : pressed) {
            if (vosket::SwitchesMode(key) && screen().state() == vosket::TextScreen::FormInput)
                screen().setAlphaMode(!screen().alphaMode());
            sim->SimulatorKey(key);
        }
    }
    // Digit keys 1 to 9 and round again.
    static std::vector<vosket::Key> digits(int count)
    {
        std::vector<vosket::Key> pressed;
        for (int i = 0; i < count; ++i)
            pressed.push_back(vosket::FaceKey(1 + i % 9));
        return pressed;
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            sim->tick();
    }

    QString text(int line) { return vosket::FromGbk(screen().line(line)); }
    QStringList lines()
    {
        QStringList all;
        for (int i = 0; i < vosket::TextScreen::LineCount; ++i)
            all << text(i);
        return all;
    }

    vosket::FormRecord& form(int n) { return project.forms[static_cast<size_t>(n - 1)]; }
    vosket::MenuRecord& menu(int n) { return project.menus[static_cast<size_t>(n - 1)]; }

    // Form 1 as the only screen the application starts at.
    void startAtForm() { project.system.startTarget() = 0; }

    vosket::Project project;
    testsupport::FixedClock clock { QDateTime(QDate(2013, 3, 8), QTime(9, 5, 7)) };
    testsupport::ScriptedDialogs dialogs;
    std::unique_ptr<vosket::Simulator> sim;
};

} // namespace simtest
