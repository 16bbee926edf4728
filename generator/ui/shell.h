#pragma once
// The generator's shell without its window: the project of the run, the commands of the popup
// menu and the accelerators by number, and the question before unsaved work is dropped. What
// needs a window (the editor sheet, the COM settings dialog, the about box, closing) arrives as
// hooks from the main window.
#include "generator/project/project.h"

#include <functional>

namespace vosket {

struct ShellHooks {
    std::function<void()> openEditor; // the editor sheet, modal: command 2000, the end of new and open
    // The simulator's record counter and screen, once new or open has put its project in place.
    std::function<void()> resetSimulator;
    // True while a download or a collection holds the event loop, false after.
    std::function<void(bool)> transferRunning;
    std::function<void()> comSettings; // the COM settings dialog
    std::function<void()> aboutBox;
    std::function<void()> close; // close the main window (which asks the save question)
};

class Shell {
public:
    explicit Shell(ShellHooks hooks);

    Project& project() { return current; }

    // Runs a command of the popup menu or an accelerator; unknown numbers are ignored.
    void dispatch(int command);

    // Asked before new, open and close while the project is modified: true to go on.
    bool mayDropProject();

private:
    void startNewProject();
    void run(const std::function<void()>& hook);
    void transfer(const std::function<void()>& link);

    ShellHooks hooks;
    Project current;
};

} // namespace vosket
