#pragma once
// Desktop tools the program offers (calculator, system information): the first of a few known
// programs that this machine has on its PATH.
#include <QStringList>

namespace korvell {

QStringList calculatorPrograms();
QStringList systemInfoPrograms();

// The path of the first of programs found on PATH, else empty.
QString firstProgramOnPath(const QStringList& programs);

// Starts the first of programs found on PATH without waiting. False when none is there or it
// cannot be started.
bool startFirstProgram(const QStringList& programs);

} // namespace korvell
