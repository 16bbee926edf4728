#pragma once
// The program folder: $KORVELL_HOME, else the folder of the running program; always ending in "/".
#include <QString>

namespace korvell {

QString programFolder();

} // namespace korvell
