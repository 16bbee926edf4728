#include "generator/ui/shell.h"

#include "generator/link/projectlink.h"
#include "generator/project/projectfile.h"
#include "generator/ui/commands.h"
#include "platform/ui/dialogs.h"

namespace vosket {

Shell::Shell(ShellHooks h)
    : hooks(std::move(h))
{
    ResetBarcodeSettings(current.barcode);
    NewProject(current);
}

void Shell::run(const std::function<void()>& hook)
{
    if (hook)
        hook();
}

// The link pumps events while it waits; the simulator's timer must leave everything alone.
void Shell::transfer(const std::function<void()>& link)
{
    if (hooks.transferRunning)
        hooks.transferRunning(true);
    link();
    if (hooks.transferRunning)
        hooks.transferRunning(false);
}

bool Shell::mayDropProject()
{
    if (!current.modified)
        return true;
    const platform::Answer answer = platform::dialogs().message(QStringLiteral("保存当前程序 ?"),
        QStringLiteral("Zentravox7300应用程序产生器"), platform::Buttons::YesNoCancel,
        platform::Icon::Warning);
    if (answer == platform::Answer::No)
        return true;
    if (answer != platform::Answer::Yes)
        return false;
    if (SaveProject(current))
        return true;
    // Cancelling the file dialog of an unnamed project leaves it unnamed and goes on, as the
    // user chose; a write that failed has named it and said so, and the work is kept.
    return current.path.isEmpty();
}

// The state shared by new and open: a fresh project with nothing to save.
void Shell::startNewProject()
{
    current.modified = false;
    ResetBarcodeSettings(current.barcode);
    NewProject(current);
}

void Shell::dispatch(int command)
{
    switch (command) {
    case CmdNew:
        if (!mayDropProject())
            return;
        current.path.clear();
        startNewProject();
        run(hooks.resetSimulator);
        run(hooks.openEditor);
        return;
    case CmdOpen: {
        if (!mayDropProject())
            return;
        startNewProject();
        const bool opened = OpenProject(current);
        run(hooks.resetSimulator);
        if (opened)
            run(hooks.openEditor);
        return;
    }
    case CmdSave:
        if (SaveProject(current))
            current.modified = false;
        return;
    case CmdSaveAs:
        if (SaveProjectAs(current))
            current.modified = false;
        return;
    case CmdExit:
        run(hooks.close);
        return;
    case CmdEdit:
        run(hooks.openEditor);
        return;
    case CmdComSettings:
        run(hooks.comSettings);
        return;
    case CmdDownloadProgramIrda:
    case CmdDownloadProgramCradle:
        transfer([&] { DownloadToTerminal(current, command - CmdDownloadProgramIrda, 0); });
        return;
    case CmdDownloadLookupIrda:
    case CmdDownloadLookupCradle:
        transfer([&] { DownloadToTerminal(current, command - CmdDownloadLookupIrda, 1); });
        return;
    case CmdCollectIrda:
    case CmdCollectCradle:
        transfer([&] { CollectData(current, command - CmdCollectIrda); });
        return;
    case CmdAbout:
        run(hooks.aboutBox);
        return;
    default:
        return;
    }
}

} // namespace vosket
