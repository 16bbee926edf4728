#pragma once
// Where the generator saves the collected serial numbers by default, and where the stock-out and
// returns windows look for them first. Header only: both programs include it.
#include <QDir>
#include <QString>

namespace platform {

inline QString collectedDataFilePath()
{
    return QDir::homePath() + QStringLiteral("/采集文本.txt");
}

} // namespace platform
