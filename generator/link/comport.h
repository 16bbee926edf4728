#pragma once
// COM1 to COM6 and the five link speeds, as the project's two settings bytes name them.
#include <QString>
#include <QStringList>

namespace vosket {

// "COM1" to "COM6" for portIndex 0 to 5.
QStringList comPortNames();
// The device that COMn stands for: $VOSKET_COMn, else the key "ports/COMn" of the user's
// settings, else /dev/ttyS(n-1). Empty for an index out of range.
QString comPortDevice(int portIndex);

// "115200", "57600", "38400", "19200", "9600" for baudIndex 0 to 4.
QStringList baudRateNames();
// Bits per second for baudIndex, 0 for an index out of range (which the port then refuses).
int baudRate(int baudIndex);

} // namespace vosket
