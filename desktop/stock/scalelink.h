#pragma once
// The scale's serial line: 9600 baud, no parity, 8 data bits, 1 stop bit. Received bytes are
// assembled into CR LF lines; every complete line is reported, in order.
#include "desktop/stock/weightframe.h"

#include <QObject>
#include <QSerialPort>

namespace korvell {

class ScaleLink : public QObject {
    Q_OBJECT
public:
    explicit ScaleLink(QObject* parent = nullptr);

    // Opens device with clean buffers. False when it does not exist or is busy; errorText() then
    // names the device and the reason.
    bool open(const QString& device);
    void close();
    bool isOpen() const { return port.isOpen(); }
    QString errorText() const { return problem; }

signals:
    void lineReceived(const QByteArray& line);
    // The device went away while open (cable pulled); the link is closed already.
    void lost(const QString& message);

private:
    void readWaiting();
    void portError(QSerialPort::SerialPortError error);

    QSerialPort port;
    ScaleLineAssembler assembler;
    QString devicePath;
    QString problem;
    bool losing = false;
};

} // namespace korvell
