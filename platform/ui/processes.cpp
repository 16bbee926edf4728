#include "platform/ui/processes.h"

#include "platform/ui/seam.h"

#include <QEventLoop>
#include <QProcess>

namespace platform {
namespace {

    class SystemProcesses final : public Processes {
    public:
        bool startAndWait(const QString& program, const QStringList& arguments) override
        {
            QProcess process;
            process.setProcessChannelMode(QProcess::ForwardedChannels);
            process.start(program, arguments);
            if (!process.waitForStarted(-1))
                return false;
            // Paint and timers go on while the other program runs; clicks and keys do not reach
            // our windows.
            QEventLoop loop;
            QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
            QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
            if (process.state() != QProcess::NotRunning)
                loop.exec(QEventLoop::ExcludeUserInputEvents);
            return true;
        }

        bool startDetached(const QString& program, const QStringList& arguments) override
        {
            return QProcess::startDetached(program, arguments);
        }
    };

    SystemProcesses systemProcesses;
    Seam<Processes> seam(systemProcesses);

} // namespace

Processes& processes()
{
    return seam.get();
}

Processes* setProcesses(Processes* p)
{
    return seam.install(p);
}

} // namespace platform
