#pragma once
// A run-time fault of a bus (port cannot be opened, socket error, driver missing).
// Thrown by the bus classes and caught inside the DeviceLink operation, which logs it
// to "debug.txt" and falls back to Simulated mode.

#include <QString>

namespace dalto {

struct LinkFault {
    QString description;
    QString source;
    int number = 0;
};

} // namespace dalto
