#pragma once
// What a serial port number means on this computer: the device path it is
// mapped to in the settings file, and whether such a port exists here.

#include <QString>
#include <QStringList>

namespace dalto {

// "Comm Port 3 is /dev/ttyUSB0" with " (not found on this computer)" when the
// path is not among present; empty for a text that names no port number.
QString SerialPortMeaning(const QString& iniPath, const QString& portText, const QStringList& present);

// "Serial ports on this computer: /dev/ttyS0, /dev/ttyUSB0", or the note that
// there are none; four paths to a line.
QString SerialPortsPresent(const QStringList& present);

// The device paths of the serial ports the system reports.
QStringList PresentSerialPorts();

} // namespace dalto
