#include "SerialPortName.h"

namespace dalto {

// COMn, not the \\.\COMn device path that the system locates it by.
QString SettingsNameOf(const QSerialPortInfo& port)
{
    return port.portName();
}

} // namespace dalto
