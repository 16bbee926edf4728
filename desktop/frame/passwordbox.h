#pragma once
// A password box as the program's windows have it: "*" for every typed character, a length limit.
class QLineEdit;

namespace korvell {

void makePasswordBox(QLineEdit* box, int maxLength);

} // namespace korvell
