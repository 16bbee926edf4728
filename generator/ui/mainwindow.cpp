#include "generator/ui/mainwindow.h"

#include "generator/ui/aboutbox.h"
#include "generator/ui/commands.h"
#include "generator/ui/comsettingdlg.h"
#include "generator/ui/downloadprogressdlg.h"
#include "generator/ui/editorsheet.h"
#include "generator/ui/popupmenu.h"
#include "generator/ui/receivedcountbox.h"
#include "generator/ui/terminalface.h"

#include <QCloseEvent>
#include <QMenu>
#include <QShortcut>

namespace vosket {

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , progress(std::make_unique<DownloadProgressDlg>())
    , receivedCount(std::make_unique<ReceivedCountBox>())
    , commands(ShellHooks {
          .openEditor =
              [this] {
                  OpenEditorSheet(this, commands.project(), [this] {
                      terminal.LayoutFormLines();
                      terminal.SimulatorKey(Key::Restart);
                  });
              },
          .resetSimulator = [this] { terminal.reset(); },
          .transferRunning = [this](bool running) { terminal.setTransferRunning(running); },
          .comSettings = [this] { ComSettingDlg(commands.project().comm, this).exec(); },
          .aboutBox = [this] { AboutBox(this).exec(); },
          .close = [this] { close(); },
      })
    , terminal(commands.project())
{
    setWindowTitle(QStringLiteral("应用程序产生器"));
    setFixedSize(face::Size);
    move(300, 50);
    picture = new TerminalFace(terminal.screen(), this);
    connect(picture, &TerminalFace::keyPressed, &terminal, &Simulator::SimulatorKey);
    connect(picture, &TerminalFace::ticked, &terminal, &Simulator::tick);
    // Nothing to run: the key and the mouse are let go and a new project starts once the
    // warning is closed.
    connect(&terminal, &Simulator::noProgram, this, [this] {
        picture->endPress();
        QMetaObject::invokeMethod(
            this, [this] { dispatch(CmdNew); }, Qt::QueuedConnection);
    });
    setMask(QRegion(TerminalArt::outline().toFillPolygon().toPolygon()));
    setWindowIcon(QIcon(picture->art().body()));

    menu = createPopupMenu(this, [this](int command) { dispatch(command); });
    connect(picture, &TerminalFace::popupRequested, menu, [this](QPoint at) { menu->popup(at); });

    const std::pair<QKeySequence, int> accelerators[] = {
        { QKeySequence(Qt::CTRL | Qt::Key_N), CmdNew },
        { QKeySequence(Qt::CTRL | Qt::Key_O), CmdOpen },
        { QKeySequence(Qt::CTRL | Qt::Key_S), CmdSave },
        { QKeySequence(Qt::CTRL | Qt::Key_E), CmdEdit },
    };
    for (const auto& accelerator : accelerators) {
        const int command = accelerator.second;
        connect(new QShortcut(accelerator.first, this), &QShortcut::activated, this,
            [this, command] { dispatch(command); });
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (commands.mayDropProject())
        event->accept();
    else
        event->ignore();
}

} // namespace vosket
