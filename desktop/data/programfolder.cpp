#include "desktop/data/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace korvell {

QString programFolder()
{
    QString folder = qEnvironmentVariable("KORVELL_HOME");
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    folder = QDir(folder).absolutePath();
    return folder.endsWith('/') ? folder : folder + '/';
}

} // namespace korvell
