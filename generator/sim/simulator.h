#pragma once
// The simulated terminal: runs the project's menus and forms on the picture of the terminal as
// the terminal's own firmware would. Every picture key arrives as a key number and the screen
// state decides what it does; a 100 ms tick draws the main menu's clock and ends multi-tap
// input. The project is read at every step; the simulator writes back only its own bytes
// (selected items, current lines, line data, item counts and last data lines).
//
// The editor, once its sheet closes with OK, calls LayoutFormLines() and then
// SimulatorKey(Key::Restart) to restart at the main menu; new and open call reset().
#include "generator/project/project.h"
#include "generator/sim/key.h"
#include "generator/sim/record.h"
#include "generator/sim/textscreen.h"

#include <QObject>

namespace vosket {

class Simulator final : public QObject {
    Q_OBJECT
public:
    // Bytes a line's input holds at most.
    static constexpr int InputCapacity = 160;

    explicit Simulator(Project& project, QObject* parent = nullptr);

    // A key of the picture, or Key::Restart.
    void SimulatorKey(vosket::Key key);
    // Every 100 ms: the clock line on the main menu, the multi-tap time-out. Does nothing while
    // a transfer runs, so the screen and the project stay as they are.
    void tick();
    // For new and open: the record counter and the transfer text start again, and the screen
    // shows the main menu of the project now loaded.
    void reset();
    // After the editor's OK: lays out the form lines and takes the system-tools item count.
    void LayoutFormLines();
    // Set while a download or a collection holds the event loop.
    void setTransferRunning(bool running) { transferRunning = running; }

    TextScreen& screen() { return display; }
    const TextScreen& screen() const { return display; }
    // The target code of the menu or form on screen; 0 on the main menu.
    int currentTarget() const { return target; }
    int recordCounter() const { return records; }
    // The last composed record.
    QByteArray transferText() const { return transfer; }
    // The input of line i (0-7) of the form on screen.
    QByteArray lineInput(int line) const { return lines.at(static_cast<size_t>(line)).input; }

signals:
    // Key 1 on the main menu found nothing to run, and the user has been told: the shell
    // starts a new project.
    void noProgram();

private:
    struct LineState {
        QByteArray input;
        int startColumn = 0;
        int typingColumn = 0;
        int scroll = 0;
        bool sign = false;
    };

    // Built-in screens and menus.
    // Builds the main-menu screen; repaints the whole screen, or the part above the clock line.
    void ShowMainMenuScreen(bool fullRepaint);
    void mainMenuKey(Key key);
    void systemToolsKey(Key key);
    void settingsKey(Key key);
    void menuKey(Key key);
    void runApplication();
    void prepareProject();
    void showGroup(int state, int block, int count, TextScreen::Pitch pitch);
    void showSystemTools();
    void showSettings();
    void showConnecting();
    void showMenu(int number, bool afresh);
    void goTo(uint8_t code, bool escaping);
    MenuRecord& menu();

    // Form input.
    FormRecord& form();
    const FormRecord& form() const;
    int formLines() const;
    int formWidth() const;
    int currentLine();
    void openForm(int number);
    void buildFormScreen();
    void fillTransferLine(int line);
    void formKey(Key key);
    void multiTap(Key key);
    void commitPending();
    void typeCharacter(char c);
    void clearInput(int line);
    void setInput(int line, QByteArray input);
    void deleteCharacter();
    void previousLine();
    void nextLine();
    void makeCurrent(int line);
    void enter();
    void showError(int kind);
    QByteArray lineText(int line, int from);
    void showLine(int line, int from);
    void fillInputMark(int line);
    void placeCursor();

    Project& project;
    TextScreen display;
    int target = 0;
    Key previousKey = Key::None;
    Key pendingKey = Key::None;
    int pendingIndex = 0;
    int pendingTicks = 0;
    int clockTicks = 0;
    int records = 0;
    int systemToolsItems = 7;
    bool transferRunning = false;
    QByteArray transfer;
    std::array<LineState, FormRecord::kLines> lines;
};

} // namespace vosket
