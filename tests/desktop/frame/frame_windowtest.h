#pragma once
// Fixture of the frame's window tests: a fresh database, the frame's windows registered, message
// boxes scripted, ExitSystem caught; every window made during a test is gone after it.
#include "desktop/frame/framewindows.h"
#include "desktop/frame/msgfrm.h"
#include "desktop/frame/programtitle.h"
#include "desktop/frame/windowregistry.h"
#include "frame_users.h"
#include "platform/ui/processes.h"
#include "tests/support/scripteddialogs.h"

#include <QWidget>

namespace frametest {

// Records the programs started detached instead of starting them.
class RecordingProcesses final : public platform::Processes {
public:
    RecordingProcesses() { previous = platform::setProcesses(this); }
    ~RecordingProcesses() override { platform::setProcesses(previous); }
    RecordingProcesses(const RecordingProcesses&) = delete;
    RecordingProcesses& operator=(const RecordingProcesses&) = delete;

    bool startAndWait(const QString& program, const QStringList& arguments) override
    {
        return startDetached(program, arguments);
    }
    bool startDetached(const QString& program, const QStringList&) override
    {
        started << program;
        return true;
    }
    QStringList started;

private:
    platform::Processes* previous = nullptr;
};

class FrameWindowTest : public FrameDatabaseTest {
protected:
    void prepare() override
    {
        korvell::registerFrameWindows();
        writeStationFile(korvell::loginState().myapppath, "3\r\n");
    }
    void TearDown() override
    {
        for (const QString& name : made)
            delete korvell::findWindow(name);
        korvell::closeToast();
        korvell::setProgramTitle(defaultTitle);
        FrameDatabaseTest::TearDown();
    }

    template <typename Window> Window* show(const QString& name)
    {
        made << name;
        return qobject_cast<Window*>(korvell::showWindow(name));
    }

    QStringList made { "frmLogin", "mainfrm", "frmgymm", "frmAbout" };
    testsupport::ScriptedDialogs dialogs;
    CatchExit exits;
    const QString defaultTitle = korvell::programTitle();
};

} // namespace frametest
