#pragma once
// The collected-data file: one record per line, lines ending CR LF. A line is an item serial
// number when its first two characters are "20"; every line counts, the last one without CR LF
// included, and its trailing blanks are not part of the number.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace korvell {

QStringList collectedSerials(const QByteArray& content);

struct CollectedFile {
    enum class State { Read, Empty, Unreadable } state;
    QStringList serials;
};

CollectedFile readCollectedFile(const QString& path);

// Starts the generator from the program folder and waits until it has ended. It may not start at
// all: the collected-data file decides what is imported either way.
void RunGenerator(const QString& programFolder);

// The collected-data file, or the one the user picks under pickTitle when that is missing. Empty
// when the user cancelled the pick.
QString CollectedFileOrPick(const QString& pickTitle);

} // namespace korvell
