#pragma once
// The main window of Vosket: borderless, exactly the terminal picture, which covers it. It owns
// the shell, the popup menu and the accelerators, asks the save question before it closes and
// opens the modal windows that the commands need.
#include "generator/sim/simulator.h"
#include "generator/ui/shell.h"

#include <QWidget>
#include <memory>

class QMenu;

namespace vosket {

class DownloadProgressDlg;
class ReceivedCountBox;
class TerminalFace;

class MainWindow final : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Shell& shell() { return commands; }
    Simulator& simulator() { return terminal; }
    TerminalFace& face() { return *picture; }
    QMenu& popupMenu() { return *menu; }

    void dispatch(int command) { commands.dispatch(command); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The windows that the downloads and the collections show while these exist.
    std::unique_ptr<DownloadProgressDlg> progress;
    std::unique_ptr<ReceivedCountBox> receivedCount;
    Shell commands;
    Simulator terminal;
    TerminalFace* picture = nullptr;
    QMenu* menu = nullptr;
};

} // namespace vosket
