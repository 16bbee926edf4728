#pragma once
// The program's title: the caption of its message boxes. The main window's start-up adds the
// company name to it.
#include <QString>

namespace korvell {

QString programTitle();
void setProgramTitle(const QString& title);

} // namespace korvell
