#pragma once
// How a serial port present on this computer is named in the settings file.

#include <QSerialPortInfo>
#include <QString>

namespace dalto {

QString SettingsNameOf(const QSerialPortInfo& port);

} // namespace dalto
