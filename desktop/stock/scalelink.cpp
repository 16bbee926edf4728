#include "desktop/stock/scalelink.h"

namespace korvell {

ScaleLink::ScaleLink(QObject* parent)
    : QObject(parent)
{
    connect(&port, &QSerialPort::readyRead, this, &ScaleLink::readWaiting);
    connect(&port, &QSerialPort::errorOccurred, this, &ScaleLink::portError);
}

bool ScaleLink::open(const QString& device)
{
    problem.clear();
    if (port.isOpen())
        return true;
    devicePath = device;
    port.setPortName(device);
    port.setBaudRate(QSerialPort::Baud9600);
    port.setParity(QSerialPort::NoParity);
    port.setDataBits(QSerialPort::Data8);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadOnly)) {
        problem = device + ": " + port.errorString();
        return false;
    }
    port.clear();
    assembler.clear();
    return true;
}

void ScaleLink::close()
{
    if (port.isOpen()) {
        port.clear();
        port.close();
    }
    assembler.clear();
}

void ScaleLink::readWaiting()
{
    const QByteArray chunk = port.readAll();
    for (const QByteArray& line : assembler.feed(chunk))
        emit lineReceived(line);
}

void ScaleLink::portError(QSerialPort::SerialPortError error)
{
    // A pseudo-terminal refuses the modem-line calls (ENOTTY); only a device that vanished or can
    // no longer be read counts. Closing the broken port reports further errors of this loss.
    const bool gone = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
    if (!gone || !port.isOpen() || losing)
        return;
    losing = true;
    const QString message = devicePath + ": " + port.errorString();
    port.close();
    assembler.clear();
    losing = false;
    emit lost(message);
}

} // namespace korvell
