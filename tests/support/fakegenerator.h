#pragma once
// The stock windows' side of the generator in tests: a temporary $HOME for the collected-data
// file, and a stand-in "vosket" program that saves given bytes there when it runs.
#include "platform/ui/collecteddatafile.h"
#include "tests/support/files.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

class HomeFolder {
public:
    HomeFolder()
        : previous(qgetenv("HOME"))
    {
        qputenv("HOME", folder.path().toUtf8());
    }
    ~HomeFolder() { qputenv("HOME", previous); }
    HomeFolder(const HomeFolder&) = delete;
    HomeFolder& operator=(const HomeFolder&) = delete;

    QString path() const { return folder.path(); }

private:
    QTemporaryDir folder;
    QByteArray previous;
};

// Puts a "vosket" into programFolder that saves content as the collected-data file; an older
// file is removed first.
inline void installFakeGenerator(
    const QString& programFolder, const HomeFolder& home, const QByteArray& content)
{
    const QString data = writeFile(home.path() + "/collected.bin", content);
    const QString program = writeFile(
        programFolder + "vosket", "#!/bin/sh\ncp \"" + data.toUtf8() + "\" \"$HOME/采集文本.txt\"\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::remove(platform::collectedDataFilePath());
}

} // namespace testsupport
