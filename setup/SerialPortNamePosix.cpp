#include "SerialPortName.h"

namespace dalto {

// The device path, as [Serial_Ports] maps port numbers to them.
QString SettingsNameOf(const QSerialPortInfo& port)
{
    return port.systemLocation();
}

} // namespace dalto
