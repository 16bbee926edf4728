#include "desktop/frame/systemtools.h"

#include "platform/ui/processes.h"

#include <QStandardPaths>

namespace korvell {

QStringList calculatorPrograms()
{
    return { "gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc" };
}

QStringList systemInfoPrograms()
{
    return { "gnome-system-monitor", "plasma-systemmonitor", "ksysguard", "mate-system-monitor", "hardinfo" };
}

QString firstProgramOnPath(const QStringList& programs)
{
    for (const QString& name : programs) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool startFirstProgram(const QStringList& programs)
{
    const QString path = firstProgramOnPath(programs);
    return !path.isEmpty() && platform::processes().startDetached(path, {});
}

} // namespace korvell
