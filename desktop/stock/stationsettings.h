#pragma once
// Settings of the weighing station in "korvell.ini" of the program folder (INI, written by no
// window):
//   [scale] port=<device path of the scale's serial line>   default /dev/ttyUSB0
//   [label] phone=<phone text printed on the upper label>  default empty
#include <QString>

namespace korvell {

QString scalePortSetting();
QString labelPhoneSetting();

} // namespace korvell
